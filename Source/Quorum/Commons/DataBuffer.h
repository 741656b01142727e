#pragma once

#include "Strata/RequiresCxx20.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace Quorum::Commons {

/// An owned, contiguous buffer of elements: a value type whose copies are
/// independent and whose equality compares the elements. Not thread-safe
/// for mutation.
template <typename T>
class DataBuffer {
 public:
  /// `size` value-initialised (zero) elements.
  explicit DataBuffer(unsigned int size = 0) : elements_(size) {}
  /// A copy of `size` elements at `data`.
  DataBuffer(const T* data, unsigned int size) : elements_(data, data + size) {}

  /// The number of elements.
  unsigned int GetSize() const noexcept { return static_cast<unsigned int>(elements_.size()); }
  /// True when there are no elements.
  bool IsEmpty() const noexcept { return elements_.empty(); }
  /// The first element; invalidated when the buffer grows. Null or dangling
  /// when the buffer is empty; never dereference then.
  ///@{
  T* GetData() noexcept { return elements_.data(); }
  const T* GetData() const noexcept { return elements_.data(); }
  ///@}

  /// The element at `index`. REQUIRES: index < GetSize().
  ///@{
  T& operator[](unsigned int index) noexcept { return elements_[index]; }
  const T& operator[](unsigned int index) const noexcept { return elements_[index]; }
  ///@}

  /// Appends `count` elements at the end, growing geometrically.
  void Append(const T* data, unsigned int count) {
    elements_.insert(elements_.end(), data, data + count);
  }
  /// Makes the buffer `size` elements long; new elements are zero.
  void Resize(unsigned int size) { elements_.resize(size); }
  /// Makes room for `capacity` elements without changing the size.
  void Reserve(unsigned int capacity) { elements_.reserve(capacity); }
  /// Removes every element; the storage stays for reuse.
  void Clear() noexcept { elements_.clear(); }

  /// Exchanges the elements.
  void Swap(DataBuffer& other) noexcept { elements_.swap(other.elements_); }

  /// Same size and equal elements.
  friend bool operator==(const DataBuffer&, const DataBuffer&) = default;

 private:
  std::vector<T> elements_;
};

}  // namespace Quorum::Commons
