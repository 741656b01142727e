#pragma once

#include "Strata/RequiresCxx20.h"

#include <concepts>
#include <memory>
#include <utility>

#include "Strata/Export.h"

namespace Strata {

namespace internal {
[[noreturn]] STRATA_EXPORT void ThrowNullReference(const char* sourceFile, unsigned int sourceLine);
}  // namespace internal

/// A counted shared reference with an atomic count, so references to one
/// object may be copied and dropped from several threads; the object itself
/// is not locked.
///
/// An empty Ref is legal to hold, copy and compare; dereferencing one with
/// `->` or `*` throws NullReferenceException ("Null reference.", code -50).
/// Get() returns the raw pointer, null for an empty Ref, without throwing.
template <typename T>
class Ref {
 public:
  /// An empty reference.
  Ref() noexcept = default;
  /// Takes ownership of `object`, which must come from `new` (or be null).
  explicit Ref(T* object) : pointer_(object) {}
  /// Shares the object of a `Ref<U>` whose `U*` converts to `T*` (a derived
  /// class, or the type without const); the move leaves `other` empty.
  ///@{
  template <typename U>
  requires std::convertible_to<U*, T*> Ref(const Ref<U>& other)
  noexcept : pointer_(other.pointer_) {}
  template <typename U>
  requires std::convertible_to<U*, T*> Ref(Ref<U>&& other)
  noexcept : pointer_(std::move(other.pointer_)) {}
  ///@}

  /// True for an empty reference.
  bool IsNull() const noexcept { return pointer_ == nullptr; }
  /// The object; null for an empty reference. Never throws.
  T* Get() const noexcept { return pointer_.get(); }

  /// The object. Throws NullReferenceException for an empty reference.
  ///@{
  T* operator->() const {
    if (pointer_ == nullptr) internal::ThrowNullReference(__FILE__, __LINE__);
    return pointer_.get();
  }
  T& operator*() const {
    if (pointer_ == nullptr) internal::ThrowNullReference(__FILE__, __LINE__);
    return *pointer_;
  }
  ///@}

  /// Drops this reference; the object goes with its last reference.
  void Release() noexcept { pointer_.reset(); }

  /// True when both refer to the same object (or both are empty).
  template <typename U>
  bool operator==(const Ref<U>& other) const noexcept {
    return pointer_ == other.pointer_;
  }

 private:
  template <typename U>
  friend class Ref;
  template <typename U, typename... Args>
  friend Ref<U> MakeRef(Args&&... args);

  explicit Ref(std::shared_ptr<T>&& pointer) noexcept : pointer_(std::move(pointer)) {}

  std::shared_ptr<T> pointer_;
};

/// Builds a T from `args` in a single allocation with its count.
template <typename T, typename... Args>
Ref<T> MakeRef(Args&&... args) {
  return Ref<T>(std::make_shared<T>(std::forward<Args>(args)...));
}

}  // namespace Strata
