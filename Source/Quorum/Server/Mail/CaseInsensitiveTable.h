// Shared core of Headers, Parameters and Flags: items keyed by their name
// lower-cased (Strata::UniString::SetToLowerCase), each stored with its name
// in the caller's case, in the storage order of Strata::HashTable (append;
// replace in place; removal moves the last item into the hole). The key is
// not kept beside the item: an item is placed by the keyed hash of its
// lower-cased name (Strata::PlaceOf, as a HashTable places that key), and a
// look-up compares each candidate's name with the name looked up, both
// lower-cased on the fly. An ASCII name is hashed as its lower case without
// building it; any other is lower-cased once, on the stack up to
// FoldedName::kInlineLength units, so look-ups allocate nothing for such
// names.
//
// `Item` needs GetName(), IsValid(), ToString(), operator==,
// Write(OChannelX&) const and Read(IChannelX&). The plain operations check
// nothing; the Checked ones apply the public classes' argument rules with
// the messages each class passes in.
#pragma once

#include <algorithm>
#include <concepts>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "Strata/ConstForwardContainerIterator.h"
#include "Strata/HashIndex.h"
#include "Strata/HashTable.h"
#include "Strata/IChannelX.h"
#include "Strata/IllegalArgumentException.h"
#include "Strata/KeyedHash.h"
#include "Strata/OChannelX.h"
#include "Strata/OutOfMemoryException.h"
#include "Strata/Throw.h"
#include "Strata/UniString.h"

namespace Quorum::Server::Mail::internal {

// A name lower-cased as a table key, in a buffer of its own when short. It
// refers to its own storage, so it is neither copied nor moved.
class FoldedName {
 public:
  static constexpr std::size_t kInlineLength = 128;

  explicit FoldedName(const Strata::UniString& name) {
    const std::u16string_view units = name.GetUnits();
    char16_t* target = inline_;
    if (units.size() > kInlineLength) {
      long_.resize(units.size());
      target = long_.data();
    }
    Strata::UniString::LowerCaseUnits(units, target);
    folded_ = std::u16string_view(target, units.size());
  }
  FoldedName(const FoldedName&) = delete;
  FoldedName& operator=(const FoldedName&) = delete;

  std::u16string_view Get() const noexcept { return folded_; }

 private:
  char16_t inline_[kInlineLength];
  std::u16string long_;
  std::u16string_view folded_;
};

// The argument checks of a public collection: the source position they are
// reported at (STRATA_HERE in that class's file), the message for an empty
// name and the one for an item that is not valid.
struct TableMessages {
  const char* file;
  unsigned int line;
  const char* emptyName;
  const char* invalidItem;
};

template <typename Item>
class CaseInsensitiveTable {
 public:
  // Inserts at the end, or replaces the item of the same key in its place;
  // `item` is an Item, copied or moved in.
  template <typename Stored>
  requires std::same_as<std::remove_cvref_t<Stored>, Item>
  void Store(Stored&& item) {
    const Place place = PlaceName(item.GetName());
    if (place.position != kNone) {
      items_[place.position] = std::forward<Stored>(item);
    } else {
      Append(Item(std::forward<Stored>(item)), place.hash);
    }
  }

  // Removes the item of the same key, the last item moving into its place,
  // and appends `item` at the end. The room is made first, so a failure
  // leaves the table as it was.
  void StoreLast(Item&& item) {
    const Place place = PlaceName(item.GetName());
    Reserve(GetSize() + 1);
    RemoveAt(place.position);
    Append(std::move(item), place.hash);
  }

  const Item* Find(const Strata::UniString& name) const { return ItemAt(Locate(name)); }
  Item* Find(const Strata::UniString& name) {
    const std::uint32_t position = Locate(name);
    return position == kNone ? nullptr : &items_[position];
  }
  bool Contains(const Strata::UniString& name) const { return Locate(name) != kNone; }
  // True when an item of the same key is stored and equals `item`.
  bool ContainsEqual(const Item& item) const {
    const Item* stored = Find(item.GetName());
    return stored != nullptr && *stored == item;
  }

  bool Remove(const Strata::UniString& name) { return RemoveAt(Locate(name)); }
  // Removes the item of the same key only when it equals `item`.
  bool RemoveEqual(const Item& item) {
    const std::uint32_t position = Locate(item.GetName());
    return position != kNone && items_[position] == item && RemoveAt(position);
  }

  // The operations of the public classes, with their argument checks: an
  // empty name throws Strata::IllegalArgumentException with
  // messages.emptyName, an item that is not valid with messages.invalidItem.
  static void CheckName(const Strata::UniString& name, const TableMessages& messages) {
    if (name.IsEmpty()) {
      throw Strata::IllegalArgumentException(messages.emptyName, messages.file, messages.line);
    }
  }
  static void CheckItem(const Item& item, const TableMessages& messages) {
    if (!item.IsValid()) {
      throw Strata::IllegalArgumentException(messages.invalidItem, messages.file, messages.line);
    }
  }
  void CheckedStore(const Item& item, const TableMessages& messages) {
    CheckItem(item, messages);
    Store(item);
  }
  const Item* CheckedFind(const Strata::UniString& name, const TableMessages& messages) const {
    CheckName(name, messages);
    return Find(name);
  }
  // Copies the item of that name into `item`, reusing its storage; false,
  // `item` untouched, when there is none.
  bool CheckedCopy(const Strata::UniString& name, Item& item, const TableMessages& messages) const {
    const Item* stored = CheckedFind(name, messages);
    if (stored == nullptr) return false;
    item = *stored;
    return true;
  }
  bool CheckedContains(const Strata::UniString& name, const TableMessages& messages) const {
    return CheckedFind(name, messages) != nullptr;
  }
  bool CheckedContainsEqual(const Item& item, const TableMessages& messages) const {
    CheckItem(item, messages);
    return ContainsEqual(item);
  }
  bool CheckedRemove(const Strata::UniString& name, const TableMessages& messages) {
    CheckName(name, messages);
    return Remove(name);
  }
  bool CheckedRemoveEqual(const Item& item, const TableMessages& messages) {
    CheckItem(item, messages);
    return RemoveEqual(item);
  }

  // `open`, then each item's ToString() in storage order, each preceded by
  // `separator` when the text after `open` is not empty so far, then
  // `close`. So an item printed as empty text (an empty name, which Read
  // stores) leaves no separator in front of the first item printed.
  Strata::UniString Join(std::u16string_view open, std::u16string_view separator,
                         std::u16string_view close) const {
    Strata::UniString text(open);
    const unsigned int start = text.GetLength();
    for (const Item& item : items_) {
      if (text.GetLength() > start) text.Append(separator);
      text.Append(item.ToString());
    }
    text.Append(close);
    return text;
  }

  // Appends a copy of each item of `other`, in its storage order, whose key
  // this table lacks; items already here stay as they are. If a copy fails,
  // the items appended so far are removed again (they are the last ones, so
  // nothing moves) and this table is as it was.
  void StoreAbsent(const CaseInsensitiveTable& other) {
    if (this == &other) return;
    const unsigned int before = GetSize();
    try {
      for (const Item& item : other.items_) {
        const Place place = PlaceName(item.GetName());
        if (place.position == kNone) Append(Item(item), place.hash);
      }
    } catch (...) {
      while (GetSize() > before) RemoveAt(GetSize() - 1);
      throw;
    }
  }

  void Clear() noexcept {
    CaseInsensitiveTable empty;
    Swap(empty);
  }
  unsigned int GetSize() const noexcept { return static_cast<unsigned int>(items_.size()); }
  bool IsEmpty() const noexcept { return items_.empty(); }
  void Swap(CaseInsensitiveTable& other) noexcept {
    items_.swap(other.items_);
    index_.Swap(other.index_);
  }

  Strata::ConstForwardContainerIterator<Item> Enumerate() const {
    return Strata::ConstForwardContainerIterator<Item>(items_);
  }

  // Same number of items and every item of this table stored under the same
  // key in `other` and equal to it; storage order does not matter.
  bool operator==(const CaseInsensitiveTable& other) const {
    if (this == &other) return true;
    if (GetSize() != other.GetSize()) return false;
    for (const Item& item : items_) {
      const Item* match = other.Find(item.GetName());
      if (match == nullptr || !(*match == item)) return false;
    }
    return true;
  }

  // The count as an unsigned int, then each item in storage order.
  void Write(Strata::OChannelX& channel) const {
    channel.WriteCount(GetSize());
    for (const Item& item : items_) item.Write(channel);
  }

  // Reads a count and that many items into a fresh table, storing each as
  // Store does without any check, and only then replaces this table. The
  // count is not trusted: room is made only for as many items as the
  // channel says it can still deliver, each at least a string's length.
  void Read(Strata::IChannelX& channel) {
    CaseInsensitiveTable fresh;
    const unsigned int count = channel.ReadUnsignedInt();
    fresh.Reserve(std::min(count, channel.GetBinaryChannel().GetAvailable() / 4));
    for (unsigned int i = 0; i < count; ++i) {
      Item item;
      item.Read(channel);
      fresh.Store(std::move(item));
    }
    Swap(fresh);
  }

 private:
  static constexpr std::uint32_t kNone = Strata::HashIndex::kNone;

  // Where the item named `name` goes: the keyed hash of the name in lower
  // case, and the position of the item stored under it (kNone when none).
  struct Place {
    std::uint32_t hash;
    std::uint32_t position;
  };
  Place PlaceName(const Strata::UniString& name) const {
    // An ASCII name, the usual case, is hashed as its lower case without
    // building it; any other is lowered once for the hash. A name spelt as
    // stored matches without folding.
    std::uint64_t ascii;
    const std::uint32_t hash = Strata::KeyedHash::OfLowerCaseAscii(name.GetUnits(), ascii)
                                   ? static_cast<std::uint32_t>(ascii)
                                   : Strata::PlaceOf(FoldedName(name).Get());
    return {hash, index_.Find(hash, [&](std::uint32_t position) {
              const Strata::UniString& stored = items_[position].GetName();
              return stored == name || stored.IsEqual(name, Strata::CaseSensitivity::Insensitive);
            })};
  }
  std::uint32_t Locate(const Strata::UniString& name) const {
    return IsEmpty() ? kNone : PlaceName(name).position;
  }

  const Item* ItemAt(std::uint32_t position) const noexcept {
    return position == kNone ? nullptr : &items_[position];
  }

  // Makes room for `count` items, so that appending up to that many moves
  // without failing.
  void Reserve(std::size_t count) {
    if (count > items_.capacity()) items_.reserve(std::max(count, 2 * items_.capacity()));
    index_.Reserve(count);
  }

  // Appends `item`, whose key is new, with the hash of its name. A failure
  // leaves the table as it was.
  void Append(Item&& item, std::uint32_t hash) {
    if (GetSize() >= Strata::HashTable<Strata::UniString, Item>::kMostEntries) {
      STRATA_THROW(Strata::OutOfMemoryException, "Failed to add: the table is full.");
    }
    Reserve(GetSize() + 1);
    items_.push_back(std::move(item));
    index_.Append(hash);
  }

  // Removes the item at `position`, the last item moving into its place;
  // false for kNone.
  bool RemoveAt(std::uint32_t position) noexcept {
    if (position == kNone) return false;
    index_.Remove(position);
    if (position != items_.size() - 1) items_[position] = std::move(items_.back());
    items_.pop_back();
    return true;
  }

  std::vector<Item> items_;
  Strata::HashIndex index_;
};

}  // namespace Quorum::Server::Mail::internal
