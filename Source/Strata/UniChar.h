#pragma once

#include "Strata/Export.h"

namespace Strata {

/// A single UTF-16 code unit with the character classification the
/// library's name rules rely on.
///
/// Classification is by ICU; a lone surrogate is neither a letter nor a
/// digit.
class STRATA_EXPORT UniChar {
 public:
  /// The code unit 0.
  constexpr UniChar() noexcept = default;
  /// Converts implicitly from a code unit.
  constexpr UniChar(char16_t value) noexcept : value_(value) {}

  /// The code unit.
  ///@{
  constexpr operator char16_t() const noexcept { return value_; }
  constexpr char16_t GetValue() const noexcept { return value_; }
  ///@}

  /// True for a letter (general category L*) or a decimal digit (Nd).
  bool IsAlphaNumeric() const noexcept;

 private:
  char16_t value_ = 0;
};

}  // namespace Strata
