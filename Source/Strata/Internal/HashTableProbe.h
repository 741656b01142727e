// Internal: a look into the index of a HashTable, for its tests and for
// diagnostics; not part of the table's interface.
#pragma once

#include <cstddef>

#include "Strata/HashTable.h"

namespace Strata::internal {

struct HashTableProbe {
  // The sum over all entries of the slots a look-up of its key visits:
  // table.GetSize() when no key collides with another.
  template <typename K, typename V>
  static std::size_t GetTotalProbeLength(const HashTable<K, V>& table) noexcept {
    return table.index_.GetTotalProbeLength();
  }
};

}  // namespace Strata::internal
