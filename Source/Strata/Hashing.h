#pragma once

/// \file
/// std::hash for the values of this library that have a GenerateHashValue()
/// member, so that they work as keys of the standard unordered containers.
/// The hash is the type's own, which is fixed across runs and machines.
///
/// Each such type specialises std::hash for itself alone, once, right after
/// its class: `STRATA_HASH_BY_VALUE(Type);` at global scope. A
/// specialisation for every type of a concept would collide with any other
/// library that declares one too.

#include "Strata/RequiresCxx20.h"

#include <cstddef>
#include <functional>

namespace Strata::internal {

template <typename T>
struct HashByValue {
  std::size_t operator()(const T& value) const noexcept(noexcept(value.GenerateHashValue())) {
    return static_cast<std::size_t>(value.GenerateHashValue());
  }
};

}  // namespace Strata::internal

/// Specialises std::hash<Type> as `Type::GenerateHashValue()`; at global
/// scope, once per type.
#define STRATA_HASH_BY_VALUE(Type) \
  template <>                      \
  struct std::hash<Type> : ::Strata::internal::HashByValue<Type> {}
