// Shared core of Headers, Parameters and Flags: items keyed by their name
// lower-cased (Strata::UniString::SetToLowerCase), each stored with its name
// in the caller's case, in the storage order of Strata::HashTable (append;
// replace in place; removal moves the last item into the hole). Look-ups
// fold the name on the fly and allocate nothing for names of up to
// FoldedName::kInlineLength units.
//
// `Item` needs GetName(), IsValid(), ToString(), operator==,
// Write(OChannelX&) const and Read(IChannelX&). The plain operations check
// nothing; the Checked ones apply the public classes' argument rules with
// the messages each class passes in.
#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "Strata/ConstForwardContainerIterator.h"
#include "Strata/HashTable.h"
#include "Strata/IChannelX.h"
#include "Strata/IllegalArgumentException.h"
#include "Strata/OChannelX.h"
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
  static Strata::UniString KeyOf(const Strata::UniString& name) {
    Strata::UniString key(name);
    key.SetToLowerCase();
    return key;
  }

  // Inserts at the end, or replaces the item of the same key in its place.
  void Store(const Item& item) { table_.Set(KeyOf(item.GetName()), item); }
  void Store(Item&& item) {
    Strata::UniString key = KeyOf(item.GetName());
    table_.Set(std::move(key), std::move(item));
  }

  // Removes the item of the same key, the last item moving into its place,
  // and appends `item` at the end. The key and the room are made first, so a
  // failure leaves the table as it was.
  void StoreLast(Item&& item) {
    Strata::UniString key = KeyOf(item.GetName());
    table_.Reserve(GetSize() + 1);
    table_.Remove(key);
    table_.Set(std::move(key), std::move(item));
  }

  const Item* Find(const Strata::UniString& name) const {
    return table_.FindUnits(FoldedName(name).Get());
  }
  Item* Find(const Strata::UniString& name) { return table_.FindUnits(FoldedName(name).Get()); }
  bool Contains(const Strata::UniString& name) const {
    return table_.ContainsUnits(FoldedName(name).Get());
  }
  // True when an item of the same key is stored and equals `item`.
  bool ContainsEqual(const Item& item) const {
    const Item* stored = Find(item.GetName());
    return stored != nullptr && *stored == item;
  }

  bool Remove(const Strata::UniString& name) { return table_.RemoveUnits(FoldedName(name).Get()); }
  // Removes the item of the same key only when it equals `item`.
  bool RemoveEqual(const Item& item) {
    const FoldedName key(item.GetName());
    const Item* stored = table_.FindUnits(key.Get());
    return stored != nullptr && *stored == item && table_.RemoveUnits(key.Get());
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
  // Copies the item of that name into `item`; false, `item` untouched, when
  // there is none.
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
    for (const Item& item : Enumerate()) {
      if (text.GetLength() > start) text.Append(separator);
      text.Append(item.ToString());
    }
    text.Append(close);
    return text;
  }

  // Look-up and removal by a key that is lower-cased already, such as a key
  // of another table; they copy nothing.
  bool ContainsKey(const Strata::UniString& key) const { return table_.Contains(key); }
  bool RemoveKey(const Strata::UniString& key) { return table_.Remove(key); }

  // Appends a copy of each item of `other`, in its storage order, whose key
  // this table lacks; items already here stay as they are. If a copy fails,
  // the items appended so far are removed again (they are the last ones, so
  // nothing moves) and this table is as it was.
  void StoreAbsent(const CaseInsensitiveTable& other) {
    if (this == &other) return;
    unsigned int appended = 0;
    try {
      for (const auto& entry : other.table_) {
        if (table_.Contains(entry.key)) continue;
        table_.Set(entry.key, entry.value);
        ++appended;
      }
    } catch (...) {
      // Remove does not use the key once it has dropped the last entry.
      for (; appended > 0; --appended) table_.Remove(table_.GetKeyAt(GetSize() - 1));
      throw;
    }
  }

  void Clear() noexcept { table_.Clear(); }
  unsigned int GetSize() const noexcept { return table_.GetSize(); }
  bool IsEmpty() const noexcept { return table_.IsEmpty(); }
  void Swap(CaseInsensitiveTable& other) noexcept { table_.Swap(other.table_); }

  const Strata::HashTable<Strata::UniString, Item>& GetTable() const noexcept { return table_; }
  Strata::ConstForwardContainerIterator<Item> Enumerate() const { return table_.EnumerateValues(); }

  // Same number of items and every item of this table stored under the same
  // key in `other` and equal to it; storage order does not matter.
  bool operator==(const CaseInsensitiveTable& other) const {
    if (this == &other) return true;
    if (GetSize() != other.GetSize()) return false;
    for (const auto& entry : table_) {
      const Item* match = other.table_.Find(entry.key);
      if (match == nullptr || !(*match == entry.value)) return false;
    }
    return true;
  }

  // The count as an unsigned int, then each item in storage order.
  void Write(Strata::OChannelX& channel) const {
    channel.WriteCount(GetSize());
    for (const Item& item : Enumerate()) item.Write(channel);
  }

  // Reads a count and that many items into a fresh table, storing each as
  // Store does without any check, and only then replaces this table. The
  // count is not trusted: nothing is reserved for it.
  void Read(Strata::IChannelX& channel) {
    CaseInsensitiveTable fresh;
    const unsigned int count = channel.ReadUnsignedInt();
    for (unsigned int i = 0; i < count; ++i) {
      Item item;
      item.Read(channel);
      fresh.Store(std::move(item));
    }
    Swap(fresh);
  }

 private:
  Strata::HashTable<Strata::UniString, Item> table_;
};

}  // namespace Quorum::Server::Mail::internal
