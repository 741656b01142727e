// HashSet<K> is a set of keys with the storage order of HashTable: a new key
// is appended, removal moves the last key into the hole, growth and copies
// keep the sequence. Range-based for visits the keys in that order.
#pragma once

#include "Strata/HashTable.h"

namespace Strata {

template <typename K>
class HashSet {
 public:
  // True when the key was new; a present key stays as it is.
  bool Add(const K& key) { return table_.Set(key, Unit{}); }
  bool Add(K&& key) { return table_.Set(std::move(key), Unit{}); }
  bool Contains(const K& key) const { return table_.Contains(key); }
  bool Remove(const K& key) { return table_.Remove(key); }
  unsigned int GetSize() const noexcept { return table_.GetSize(); }
  bool IsEmpty() const noexcept { return table_.IsEmpty(); }
  void Clear() noexcept { table_.Clear(); }
  void Swap(HashSet& other) noexcept { table_.Swap(other.table_); }

  ConstForwardContainerIterator<K> Enumerate() const {
    return ConstForwardContainerIterator<K>(table_.GetKeys());
  }
  auto begin() const noexcept { return table_.GetKeys().begin(); }
  auto end() const noexcept { return table_.GetKeys().end(); }

 private:
  struct Unit {};
  HashTable<K, Unit> table_;
};

}  // namespace Strata
