#pragma once

#include "Strata/RequiresCxx20.h"

#include <span>

namespace Strata {

/// A read-only view of a container's elements in their storage order, for use
/// in a range-based for loop: `for (const Header& header :
/// headers.Enumerate()) ...`.
///
/// The view is invalidated by any change to the container it came from.
template <typename T>
class ConstForwardContainerIterator {
 public:
  /// An empty view.
  ConstForwardContainerIterator() = default;
  /// A view of `elements`, which it does not own.
  explicit ConstForwardContainerIterator(std::span<const T> elements) : elements_(elements) {}

  /// The first element and the end, for range-based for.
  ///@{
  auto begin() const noexcept { return elements_.begin(); }
  auto end() const noexcept { return elements_.end(); }
  ///@}
  /// The number of elements.
  unsigned int GetSize() const noexcept { return static_cast<unsigned int>(elements_.size()); }

 private:
  std::span<const T> elements_;
};

}  // namespace Strata
