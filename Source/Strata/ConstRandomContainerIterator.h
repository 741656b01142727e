// A read-only view of a PagedArray in index order, for use in a range-based
// for loop. The view is invalidated by any change to the array.
#pragma once

#include <cstddef>
#include <iterator>

namespace Strata {

template <typename T>
class PagedArray;

template <typename T>
class ConstRandomContainerIterator {
 public:
  class Position {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = T;
    using difference_type = std::ptrdiff_t;
    using pointer = const T*;
    using reference = const T&;

    Position() = default;
    Position(const PagedArray<T>* array, unsigned int index) : array_(array), index_(index) {}
    const T& operator*() const { return (*array_)[index_]; }
    const T* operator->() const { return &(*array_)[index_]; }
    Position& operator++() {
      ++index_;
      return *this;
    }
    Position operator++(int) {
      Position before = *this;
      ++index_;
      return before;
    }
    bool operator==(const Position& other) const { return index_ == other.index_; }

   private:
    const PagedArray<T>* array_ = nullptr;
    unsigned int index_ = 0;
  };

  explicit ConstRandomContainerIterator(const PagedArray<T>& array) : array_(&array) {}

  Position begin() const { return Position(array_, 0); }
  Position end() const { return Position(array_, array_->GetSize()); }
  unsigned int GetSize() const { return array_->GetSize(); }
  const T& operator[](unsigned int index) const { return (*array_)[index]; }

 private:
  const PagedArray<T>* array_;
};

}  // namespace Strata
