// std::hash for every type with a GenerateHashValue() member, so that the
// values work as keys of the standard unordered containers. The hash is the
// type's own, which is fixed across runs and machines.
#pragma once

#include <concepts>
#include <cstddef>
#include <functional>

namespace Strata {

template <typename T>
concept HashValued = requires(const T& value) {
  { value.GenerateHashValue() } -> std::convertible_to<std::size_t>;
};

}  // namespace Strata

template <Strata::HashValued T>
struct std::hash<T> {
  std::size_t operator()(const T& value) const noexcept(noexcept(value.GenerateHashValue())) {
    return static_cast<std::size_t>(value.GenerateHashValue());
  }
};
