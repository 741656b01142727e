#pragma once

#include "Strata/RequiresCxx20.h"

#include <compare>
#include <cstddef>
#include <iterator>
#include <type_traits>
#include <utility>

namespace Strata {

/// The random-access iterator of the containers read by position
/// (PagedArray, HashTable): it holds the container and an index, and `*it` is
/// `Access{}(container, index)`.
///
/// It meets std::random_access_iterator, so range-based for and std::ranges
/// algorithms work. Like the positions it names, it is invalidated by any
/// change to the container.
template <typename Container, typename Access>
class IndexIterator {
 public:
  /// What `Access` returns: a reference, or an entry made on the fly.
  using reference = decltype(Access{}(std::declval<const Container&>(), 0u));
  /// The element type.
  using value_type = std::remove_cvref_t<reference>;
  /// The distance between two positions.
  using difference_type = std::ptrdiff_t;
  /// Random access for the C++20 iterator concepts.
  using iterator_concept = std::random_access_iterator_tag;
  /// A proxy reference (an entry made on the fly) is only an input iterator
  /// to algorithms written against the older iterator categories.
  using iterator_category =
      std::conditional_t<std::is_reference_v<reference>, std::random_access_iterator_tag,
                         std::input_iterator_tag>;

  /// A position of no container; only to be assigned to.
  IndexIterator() = default;
  /// Position `index` of `container`.
  IndexIterator(const Container* container, unsigned int index) noexcept
      : container_(container), index_(index) {}

  /// The element at this position, or `offset` positions from it.
  ///@{
  reference operator*() const { return Access{}(*container_, index_); }
  reference operator[](difference_type offset) const { return *(*this + offset); }
  ///@}

  /// Moves by one position or by `offset` positions; no bounds are checked.
  ///@{
  IndexIterator& operator++() noexcept { return *this += 1; }
  IndexIterator operator++(int) noexcept { return Step(*this, 1); }
  IndexIterator& operator--() noexcept { return *this -= 1; }
  IndexIterator operator--(int) noexcept { return Step(*this, -1); }
  IndexIterator& operator+=(difference_type offset) noexcept {
    index_ = static_cast<unsigned int>(static_cast<difference_type>(index_) + offset);
    return *this;
  }
  IndexIterator& operator-=(difference_type offset) noexcept { return *this += -offset; }
  ///@}

  /// The position `offset` positions from `it`.
  ///@{
  friend IndexIterator operator+(IndexIterator it, difference_type offset) noexcept {
    return it += offset;
  }
  friend IndexIterator operator+(difference_type offset, IndexIterator it) noexcept {
    return it += offset;
  }
  friend IndexIterator operator-(IndexIterator it, difference_type offset) noexcept {
    return it -= offset;
  }
  ///@}
  /// The number of positions from `b` to `a`, of the same container.
  friend difference_type operator-(const IndexIterator& a, const IndexIterator& b) noexcept {
    return static_cast<difference_type>(a.index_) - static_cast<difference_type>(b.index_);
  }
  /// Positions of the same container compare by index.
  ///@{
  friend bool operator==(const IndexIterator& a, const IndexIterator& b) noexcept {
    return a.index_ == b.index_;
  }
  friend std::strong_ordering operator<=>(const IndexIterator& a, const IndexIterator& b) noexcept {
    return a.index_ <=> b.index_;
  }
  ///@}

 private:
  static IndexIterator Step(IndexIterator& it, difference_type offset) noexcept {
    IndexIterator before = it;
    it += offset;
    return before;
  }

  const Container* container_ = nullptr;
  unsigned int index_ = 0;
};

}  // namespace Strata
