#pragma once

#include "Strata/RequiresCxx20.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace Strata {

/// The index of a hash container whose entries the container keeps in a
/// sequence of its own, at positions 0 to GetSize() - 1: it maps each
/// entry's 32-bit hash to its position and follows the container's appends
/// and removals. The container decides what an entry's hash is and when an
/// entry matches a look-up; the index never sees the entries.
///
/// Open addressing with linear probing, at most half full. Each slot holds
/// a position and its entry's hash, so a probe compares hashes without
/// touching the entries; the hashes are also kept by position, so growth
/// never asks the container for them. Not thread-safe for mutation.
class HashIndex {
 public:
  /// What Find returns when no entry matches.
  static constexpr std::uint32_t kNone = 0xFFFFFFFFu;

  /// The number of entries.
  unsigned int GetSize() const noexcept { return static_cast<unsigned int>(hashes_.size()); }

  /// The position of the entry with `hash` for which `matches(position)`
  /// is true, or kNone.
  template <typename Matches>
  std::uint32_t Find(std::uint32_t hash, Matches&& matches) const {
    if (slots_.empty()) return kNone;
    for (std::uint32_t s = hash & Mask();; s = (s + 1) & Mask()) {
      const Slot slot = slots_[s];
      if (slot.position == 0) return kNone;
      if (slot.hash == hash && matches(slot.position - 1)) return slot.position - 1;
    }
  }

  /// Makes room for `count` entries, so that Append does not throw until
  /// there are that many. Room grows at least twofold.
  void Reserve(std::size_t count) {
    if (count > hashes_.capacity()) hashes_.reserve(std::max(count, 2 * hashes_.capacity()));
    std::size_t wanted = slots_.empty() ? 16 : slots_.size();
    while (wanted < 2 * count) wanted *= 2;
    if (wanted != slots_.size()) Rebuild(wanted);
  }

  /// Indexes a new entry at position GetSize() under `hash`. Throws, changing
  /// nothing, only when room for it was not reserved and cannot be made.
  void Append(std::uint32_t hash) {
    Reserve(hashes_.size() + 1);
    const auto position = static_cast<std::uint32_t>(hashes_.size());
    hashes_.push_back(hash);
    slots_[FreeSlot(hash)] = Slot{hash, position + 1};
  }

  /// Forgets the entry at `position` and indexes the last entry at
  /// `position` instead (unless it is the one forgotten), as the container
  /// does when it moves its last entry into the hole and drops the last.
  /// REQUIRES: position < GetSize().
  void Remove(std::uint32_t position) noexcept {
    EraseSlot(SlotOf(position));
    const auto last = static_cast<std::uint32_t>(hashes_.size() - 1);
    if (position != last) {
      slots_[SlotOf(last)].position = position + 1;
      hashes_[position] = hashes_[last];
    }
    hashes_.pop_back();
  }

  /// Forgets every entry and releases the storage.
  void Clear() noexcept {
    HashIndex empty;
    Swap(empty);
  }

  /// Exchanges the entries.
  void Swap(HashIndex& other) noexcept {
    hashes_.swap(other.hashes_);
    slots_.swap(other.slots_);
  }

  /// The sum over all entries of the slots a look-up of that entry visits:
  /// GetSize() when no two hashes share a slot. For tests and diagnostics.
  std::size_t GetTotalProbeLength() const noexcept {
    std::size_t total = 0;
    for (std::uint32_t i = 0; i < hashes_.size(); ++i) {
      total += ((SlotOf(i) - hashes_[i]) & Mask()) + 1;
    }
    return total;
  }

 private:
  struct Slot {
    std::uint32_t hash = 0;
    // The entry's position + 1; 0 for an empty slot.
    std::uint32_t position = 0;
  };

  std::uint32_t Mask() const noexcept { return static_cast<std::uint32_t>(slots_.size() - 1); }

  std::uint32_t FreeSlot(std::uint32_t hash) const noexcept {
    std::uint32_t s = hash & Mask();
    while (slots_[s].position != 0) s = (s + 1) & Mask();
    return s;
  }

  std::uint32_t SlotOf(std::uint32_t position) const noexcept {
    std::uint32_t s = hashes_[position] & Mask();
    while (slots_[s].position != position + 1) s = (s + 1) & Mask();
    return s;
  }

  // Backward-shift deletion keeps every probe sequence unbroken.
  void EraseSlot(std::uint32_t hole) noexcept {
    std::uint32_t next = hole;
    for (;;) {
      next = (next + 1) & Mask();
      const Slot slot = slots_[next];
      if (slot.position == 0) break;
      const std::uint32_t home = slot.hash & Mask();
      const bool homeBetween =
          hole <= next ? (hole < home && home <= next) : (hole < home || home <= next);
      if (!homeBetween) {
        slots_[hole] = slot;
        hole = next;
      }
    }
    slots_[hole] = Slot{};
  }

  void Rebuild(std::size_t slotCount) {
    std::vector<Slot> slots(slotCount);
    slots_.swap(slots);
    for (std::uint32_t i = 0; i < hashes_.size(); ++i) {
      slots_[FreeSlot(hashes_[i])] = Slot{hashes_[i], i + 1};
    }
  }

  std::vector<std::uint32_t> hashes_;
  std::vector<Slot> slots_;
};

}  // namespace Strata
