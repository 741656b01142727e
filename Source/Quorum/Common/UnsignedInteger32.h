#pragma once

#include "Quorum/Common/Export.h"
#include "Strata/UniString.h"

namespace Quorum::Common {

/// Decimal text of unsigned 32-bit numbers: one or more ASCII digits
/// (leading zeros allowed).
///
/// No sign, no white space, no other characters; the value must fit in 32
/// bits.
class QUORUM_COMMON_EXPORT UnsignedInteger32 {
 public:
  /// True and `value` set when `text` is such a number; otherwise false and
  /// `value` untouched.
  static bool Parse(const Strata::UniString& text, unsigned int& value) noexcept;
  /// The shortest decimal form ("4294967295", "0").
  static Strata::UniString ToString(unsigned int value);
};

}  // namespace Quorum::Common
