#pragma once

#include "Strata/HashTable.h"

namespace Strata {

/// A set of keys with the storage order of HashTable: a new key is
/// appended, removal moves the last key into the hole, growth and copies
/// keep the sequence.
///
/// Range-based for visits the keys in that order. Keys are placed as
/// HashTable places them. A value type, not thread-safe for mutation.
template <typename K>
class HashSet {
 public:
  /// Appends `key`; true when the key was new. A present key stays as it
  /// is. Throws as HashTable::Set.
  ///@{
  bool Add(const K& key) { return table_.Set(key, Unit{}); }
  bool Add(K&& key) { return table_.Set(std::move(key), Unit{}); }
  ///@}
  /// True when a key equals `key`.
  bool Contains(const K& key) const { return table_.Contains(key); }
  /// Removes `key`; the last key moves into its place. True when removed.
  bool Remove(const K& key) { return table_.Remove(key); }
  /// The number of keys.
  unsigned int GetSize() const noexcept { return table_.GetSize(); }
  /// True when there are no keys.
  bool IsEmpty() const noexcept { return table_.IsEmpty(); }
  /// Removes every key and releases the storage.
  void Clear() noexcept { table_.Clear(); }
  /// Exchanges the keys.
  void Swap(HashSet& other) noexcept { table_.Swap(other.table_); }

  /// The keys in storage order; invalidated by any change.
  ConstForwardContainerIterator<K> Enumerate() const {
    return ConstForwardContainerIterator<K>(table_.GetKeys());
  }
  /// The same sequence for range-based for and std::ranges algorithms.
  ///@{
  auto begin() const noexcept { return table_.GetKeys().begin(); }
  auto end() const noexcept { return table_.GetKeys().end(); }
  ///@}

 private:
  struct Unit {};
  HashTable<K, Unit> table_;
};

}  // namespace Strata
