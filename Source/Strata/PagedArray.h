#pragma once

#include <cstddef>
#include <limits>
#include <utility>
#include <vector>

#include "Strata/IndexIterator.h"
#include "Strata/OutOfMemoryException.h"
#include "Strata/Throw.h"

namespace Strata {

template <typename T>
class ConstRandomContainerIterator;

/// A sequence stored in pages of eight elements.
///
/// Indexing and appending are O(1) (amortised); removing at an index moves
/// the later elements down by one. Growth never moves an element to another
/// page, so appending to a large array copies no existing element. A value
/// type, not thread-safe for mutation.
template <typename T>
class PagedArray {
 public:
  /// The number of elements of a page.
  static constexpr unsigned int PageSize = 8;

  /// The empty array.
  PagedArray() = default;
  /// Copies are independent; copy assignment builds the copy first, so a
  /// failure leaves this array as it was. A move leaves `other` empty.
  ///@{
  PagedArray(const PagedArray& other) { CopyFrom(other); }
  PagedArray(PagedArray&& other) noexcept { Swap(other); }
  PagedArray& operator=(const PagedArray& other) {
    if (this != &other) {
      PagedArray copy(other);
      Swap(copy);
    }
    return *this;
  }
  PagedArray& operator=(PagedArray&& other) noexcept {
    PagedArray taken(std::move(other));
    Swap(taken);
    return *this;
  }
  ///@}

  /// The number of elements.
  unsigned int GetSize() const noexcept { return size_; }
  /// True when there are no elements.
  bool IsEmpty() const noexcept { return size_ == 0; }

  /// The element at `index`. REQUIRES: index < GetSize().
  ///@{
  const T& operator[](unsigned int index) const noexcept { return At(index); }
  T& operator[](unsigned int index) noexcept { return At(index); }
  ///@}

  /// Appends `value` at the end. Throws OutOfMemoryException when the array
  /// already holds as many elements as an unsigned int counts.
  ///@{
  void Append(const T& value) { Append(T(value)); }
  void Append(T&& value) {
    if (size_ == std::numeric_limits<unsigned int>::max()) {
      STRATA_THROW(OutOfMemoryException, "Failed to append: the array is full.");
    }
    if (size_ % PageSize == 0) {
      Page page;
      page.reserve(PageSize);
      pages_.push_back(std::move(page));
    }
    pages_.back().push_back(std::move(value));
    ++size_;
  }
  ///@}

  /// Removes the element at `index`, moving the later ones down by one.
  /// REQUIRES: index < GetSize().
  void RemoveAt(unsigned int index) {
    for (unsigned int i = index; i + 1 < size_; ++i) At(i) = std::move(At(i + 1));
    pages_.back().pop_back();
    if (pages_.back().empty()) pages_.pop_back();
    --size_;
  }

  /// Removes every element and releases the pages.
  void Clear() noexcept {
    pages_.clear();
    pages_.shrink_to_fit();
    size_ = 0;
  }

  /// Exchanges the elements.
  void Swap(PagedArray& other) noexcept {
    pages_.swap(other.pages_);
    std::swap(size_, other.size_);
  }

  /// The elements in index order, as a read-only view; invalidated by any
  /// change.
  ConstRandomContainerIterator<T> Enumerate() const;

 private:
  struct ElementAt {
    const T& operator()(const PagedArray& array, unsigned int index) const noexcept {
      return array[index];
    }
  };

 public:
  /// Random-access positions in index order; invalidated by any change.
  using Position = IndexIterator<PagedArray, ElementAt>;
  /// The first position and the end, for range-based for.
  ///@{
  Position begin() const noexcept { return Position(this, 0); }
  Position end() const noexcept { return Position(this, size_); }
  ///@}

 private:
  using Page = std::vector<T>;

  T& At(unsigned int index) noexcept { return pages_[index / PageSize][index % PageSize]; }
  const T& At(unsigned int index) const noexcept {
    return pages_[index / PageSize][index % PageSize];
  }
  void CopyFrom(const PagedArray& other) {
    pages_.reserve(other.pages_.size());
    for (const Page& page : other.pages_) {
      Page copy;
      copy.reserve(PageSize);
      copy.insert(copy.end(), page.begin(), page.end());
      pages_.push_back(std::move(copy));
    }
    size_ = other.size_;
  }

  // A page's elements live in its own buffer, which moves with the page
  // object when pages_ grows: the elements themselves never move.
  std::vector<Page> pages_;
  unsigned int size_ = 0;
};

}  // namespace Strata

#include "Strata/ConstRandomContainerIterator.h"

template <typename T>
Strata::ConstRandomContainerIterator<T> Strata::PagedArray<T>::Enumerate() const {
  return ConstRandomContainerIterator<T>(*this);
}
