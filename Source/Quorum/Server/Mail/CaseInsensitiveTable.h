// Shared core of Headers, Parameters and Flags: items keyed by their name
// lower-cased (Strata::UniString::SetToLowerCase on a copy), each stored with
// its name in the caller's case, in the storage order of Strata::HashTable
// (append; replace in place; removal moves the last item into the hole).
//
// `Item` needs GetName(), operator==, Write(OChannelX&) const and
// Read(IChannelX&). The public classes check their arguments and keep their
// own messages; this core checks nothing.
#pragma once

#include "Strata/ConstForwardContainerIterator.h"
#include "Strata/HashTable.h"
#include "Strata/IChannelX.h"
#include "Strata/OChannelX.h"
#include "Strata/UniString.h"

namespace Quorum::Server::Mail::internal {

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

  const Item* Find(const Strata::UniString& name) const { return table_.Find(KeyOf(name)); }
  Item* Find(const Strata::UniString& name) { return table_.Find(KeyOf(name)); }
  bool Contains(const Strata::UniString& name) const { return table_.Contains(KeyOf(name)); }
  // True when an item of the same key is stored and equals `item`.
  bool ContainsEqual(const Item& item) const {
    const Item* stored = Find(item.GetName());
    return stored != nullptr && *stored == item;
  }

  bool Remove(const Strata::UniString& name) { return table_.Remove(KeyOf(name)); }
  // Removes the item of the same key only when it equals `item`.
  bool RemoveEqual(const Item& item) {
    Strata::UniString key = KeyOf(item.GetName());
    const Item* stored = table_.Find(key);
    return stored != nullptr && *stored == item && table_.Remove(key);
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
    channel.WriteUnsignedInt(GetSize());
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
      fresh.Store(item);
    }
    Swap(fresh);
  }

 private:
  Strata::HashTable<Strata::UniString, Item> table_;
};

}  // namespace Quorum::Server::Mail::internal
