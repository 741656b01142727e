#pragma once

#include "Strata/RequiresCxx20.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "Strata/ConstForwardContainerIterator.h"
#include "Strata/HashIndex.h"
#include "Strata/IndexIterator.h"
#include "Strata/KeyedHash.h"
#include "Strata/OutOfMemoryException.h"
#include "Strata/Throw.h"

namespace Strata {

/// A key held as UTF-16 code units, which a look-up may give as a plain
/// view.
template <typename K>
concept TextKey = requires(const K& key) {
  { key.GetUnits() } -> std::convertible_to<std::u16string_view>;
};

/// Where HashTable places a key: equal keys, and a text key and a view of the
/// same units, get the same value.
///
/// A text key (one with GetUnits(), such as UniString) is hashed by its code
/// units; any other key by its GenerateHashValue() (std::hash when it has
/// none), which the keyed hash then spreads but cannot separate when equal.
/// The value differs between processes: never store it.
///@{
inline std::uint32_t PlaceOf(std::u16string_view units) noexcept {
  return static_cast<std::uint32_t>(KeyedHash::Of(units.data(), units.size() * sizeof(char16_t)));
}
template <typename K>
std::uint32_t PlaceOf(const K& key) {
  if constexpr (TextKey<K>) {
    return PlaceOf(std::u16string_view(key.GetUnits()));
  } else {
    std::size_t stable;
    if constexpr (requires { key.GenerateHashValue(); }) {
      stable = static_cast<std::size_t>(key.GenerateHashValue());
    } else {
      stable = std::hash<K>{}(key);
    }
    return static_cast<std::uint32_t>(KeyedHash::Of(&stable, sizeof stable));
  }
}
///@}

namespace internal {
struct HashTableProbe;
}  // namespace internal

/// Maps keys to values and keeps its entries in one gap-free storage
/// sequence that callers can rely on.
///
/// - a new key is appended at the end;
/// - setting the value of a present key replaces it in its place;
/// - removing an entry moves the last entry into the hole;
/// - growing the index and copying leave the sequence alone.
///
/// Enumeration visits the sequence in order. Look-up, insertion and removal
/// take O(1) on average.
///
/// Keys are compared with operator==. Where a key lands is decided by
/// KeyedHash (SipHash under a secret per-process key, see PlaceOf), so keys
/// that a peer chose to collide do not pile up on one probe path. The index
/// (HashIndex) is open addressing with linear probing; it keeps the keyed
/// hashes, so growth never rehashes a key. A value type, not thread-safe for
/// mutation.
template <typename K, typename V>
class HashTable {
 public:
  /// One entry of the storage sequence, as seen in a range-based for loop.
  struct Entry {
    const K& key;    ///< The entry's key.
    const V& value;  ///< The entry's value.
  };

 private:
  struct EntryAt {
    Entry operator()(const HashTable& table, unsigned int index) const noexcept {
      return Entry{table.keys_[index], table.values_[index]};
    }
  };

 public:
  /// Random-access positions in storage order; invalidated by any change.
  using Position = IndexIterator<HashTable, EntryAt>;

  /// The most entries a table holds: the index holds 32-bit positions and
  /// stays at most half full.
  static constexpr unsigned int kMostEntries = 1u << 31;

  /// The empty table.
  HashTable() = default;
  /// Copies keep the storage order; copy assignment builds the copy first,
  /// so a failure leaves this table as it was. A move leaves `other` empty.
  ///@{
  HashTable(const HashTable&) = default;
  HashTable(HashTable&& other) noexcept { Swap(other); }
  HashTable& operator=(const HashTable& other) {
    if (this != &other) {
      HashTable copy(other);
      Swap(copy);
    }
    return *this;
  }
  HashTable& operator=(HashTable&& other) noexcept {
    HashTable taken(std::move(other));
    Swap(taken);
    return *this;
  }
  ///@}

  /// The number of entries.
  unsigned int GetSize() const noexcept { return static_cast<unsigned int>(keys_.size()); }
  /// True when there are no entries.
  bool IsEmpty() const noexcept { return keys_.empty(); }

  /// True when an entry's key equals `key`.
  bool Contains(const K& key) const { return Locate(key) != kNone; }

  /// The stored value of `key`, or null. The pointer is invalidated by any
  /// change to the table.
  ///@{
  const V* Find(const K& key) const { return ValueAt(Locate(key)); }
  V* Find(const K& key) { return ValueAt(Locate(key)); }
  ///@}

  /// Contains, Find and Remove of a text key given as its code units; they
  /// build no key.
  ///@{
  bool ContainsUnits(std::u16string_view units) const requires TextKey<K> {
    return Locate(units) != kNone;
  }
  const V* FindUnits(std::u16string_view units) const requires TextKey<K> {
    return ValueAt(Locate(units));
  }
  V* FindUnits(std::u16string_view units) requires TextKey<K> { return ValueAt(Locate(units)); }
  bool RemoveUnits(std::u16string_view units) requires TextKey<K> {
    return RemoveAt(Locate(units));
  }
  ///@}

  /// Inserts at the end or replaces in place; true when the key was new. A key
  /// of another type (a const char* for a UniString key) is converted to K
  /// first, so that it is hashed as the K it becomes. Throws
  /// OutOfMemoryException, changing nothing, for a new key when the table
  /// holds kMostEntries.
  template <typename KeyArg, typename ValueArg>
  bool Set(KeyArg&& key, ValueArg&& value) {
    if constexpr (std::is_same_v<std::remove_cvref_t<KeyArg>, K>) {
      return SetKey(std::forward<KeyArg>(key), std::forward<ValueArg>(value));
    } else {
      return SetKey(K(std::forward<KeyArg>(key)), std::forward<ValueArg>(value));
    }
  }

  /// Removes `key`; the last entry moves into its place. True when removed.
  bool Remove(const K& key) { return RemoveAt(Locate(key)); }

  /// Removes every entry and releases the storage.
  void Clear() noexcept {
    HashTable empty;
    Swap(empty);
  }

  /// Exchanges the entries.
  void Swap(HashTable& other) noexcept {
    keys_.swap(other.keys_);
    values_.swap(other.values_);
    index_.Swap(other.index_);
  }

  /// The key at `index` in storage order. REQUIRES: index < GetSize().
  const K& GetKeyAt(unsigned int index) const noexcept { return keys_[index]; }

  /// The keys in storage order; invalidated by any change.
  std::span<const K> GetKeys() const noexcept { return keys_; }
  /// The values in storage order; invalidated by any change.
  std::span<const V> GetValues() const noexcept { return values_; }
  /// The values in storage order, as a forward sequence; invalidated by any
  /// change.
  ConstForwardContainerIterator<V> EnumerateValues() const {
    return ConstForwardContainerIterator<V>(values_);
  }

  /// The entries (Entry) in storage order, for range-based for.
  ///@{
  Position begin() const { return Position(this, 0); }
  Position end() const { return Position(this, GetSize()); }
  ///@}

  /// Makes room for `count` entries: until the table holds that many, adding
  /// an entry whose key and value move without throwing throws nothing. Room
  /// grows at least twofold, so reserving one more entry at a time stays
  /// cheap.
  void Reserve(unsigned int count) {
    GrowTo(keys_, count);
    GrowTo(values_, count);
    index_.Reserve(count);
  }

 private:
  friend struct internal::HashTableProbe;

  static constexpr std::uint32_t kNone = HashIndex::kNone;

  const V* ValueAt(std::uint32_t position) const noexcept {
    return position == kNone ? nullptr : &values_[position];
  }
  V* ValueAt(std::uint32_t position) noexcept {
    return position == kNone ? nullptr : &values_[position];
  }

  bool RemoveAt(std::uint32_t position) {
    if (position == kNone) return false;
    index_.Remove(position);
    const std::size_t last = keys_.size() - 1;
    if (position != last) {
      keys_[position] = std::move(keys_[last]);
      values_[position] = std::move(values_[last]);
    }
    keys_.pop_back();
    values_.pop_back();
    return true;
  }

  template <typename KeyArg, typename ValueArg>
  bool SetKey(KeyArg&& key, ValueArg&& value) {
    const std::uint32_t hash = PlaceOf(key);
    const std::uint32_t position = Locate(key, hash);
    if (position != kNone) {
      values_[position] = std::forward<ValueArg>(value);
      return false;
    }
    if (GetSize() >= kMostEntries) {
      STRATA_THROW(OutOfMemoryException, "Failed to add: the table is full.");
    }
    // The index makes its room first, so once the entry is in, indexing it
    // cannot fail; a failure before that leaves the table as it was.
    index_.Reserve(GetSize() + 1);
    keys_.emplace_back(std::forward<KeyArg>(key));
    try {
      values_.emplace_back(std::forward<ValueArg>(value));
    } catch (...) {
      keys_.pop_back();
      throw;
    }
    index_.Append(hash);
    return true;
  }

  template <typename Lookup>
  std::uint32_t Locate(const Lookup& key) const {
    return index_.GetSize() == 0 ? kNone : Locate(key, PlaceOf(key));
  }

  // The position of the entry whose key equals `key` (a K or, for a text
  // key, a view of its units), or kNone.
  template <typename Lookup>
  std::uint32_t Locate(const Lookup& key, std::uint32_t hash) const {
    return index_.Find(hash, [&](std::uint32_t position) { return Matches(keys_[position], key); });
  }

  template <typename Lookup>
  static bool Matches(const K& stored, const Lookup& key) {
    if constexpr (std::is_same_v<Lookup, std::u16string_view>) {
      return std::u16string_view(stored.GetUnits()) == key;
    } else {
      return stored == key;
    }
  }

  template <typename T>
  static void GrowTo(std::vector<T>& items, std::size_t count) {
    if (count > items.capacity()) items.reserve(std::max(count, 2 * items.capacity()));
  }

  std::vector<K> keys_;
  std::vector<V> values_;
  HashIndex index_;
};

}  // namespace Strata
