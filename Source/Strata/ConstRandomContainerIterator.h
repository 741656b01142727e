// A read-only view of a PagedArray in index order, for use in a range-based
// for loop. The view is invalidated by any change to the array.
#pragma once

#include "Strata/RequiresCxx20.h"

namespace Strata {

template <typename T>
class PagedArray;

template <typename T>
class ConstRandomContainerIterator {
 public:
  using Position = typename PagedArray<T>::Position;

  explicit ConstRandomContainerIterator(const PagedArray<T>& array) : array_(&array) {}

  Position begin() const { return array_->begin(); }
  Position end() const { return array_->end(); }
  unsigned int GetSize() const { return array_->GetSize(); }
  const T& operator[](unsigned int index) const { return (*array_)[index]; }

 private:
  const PagedArray<T>* array_;
};

}  // namespace Strata
