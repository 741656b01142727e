#pragma once

#include "Strata/RequiresCxx20.h"

namespace Strata {

template <typename T>
class PagedArray;

/// A read-only view of a PagedArray in index order, for use in a range-based
/// for loop.
///
/// The view is invalidated by any change to the array.
template <typename T>
class ConstRandomContainerIterator {
 public:
  /// The array's position type.
  using Position = typename PagedArray<T>::Position;

  /// A view of `array`, which must outlive it.
  explicit ConstRandomContainerIterator(const PagedArray<T>& array) : array_(&array) {}

  /// The first position and the end, for range-based for.
  ///@{
  Position begin() const { return array_->begin(); }
  Position end() const { return array_->end(); }
  ///@}
  /// The number of elements.
  unsigned int GetSize() const { return array_->GetSize(); }
  /// The element at `index`. REQUIRES: index < GetSize().
  const T& operator[](unsigned int index) const { return (*array_)[index]; }

 private:
  const PagedArray<T>* array_;
};

}  // namespace Strata
