#pragma once

#include "Quorum/Common/Export.h"
#include "Strata/UniString.h"

namespace Quorum::Common {

/// Decimal text of signed 32-bit numbers: an optional leading '-', then one
/// or more ASCII digits (leading zeros allowed).
///
/// No '+', no white space, no other characters; the value must fit in 32
/// bits.
class QUORUM_COMMON_EXPORT Integer32 {
 public:
  /// True and `value` set when `text` is such a number; otherwise false and
  /// `value` untouched.
  static bool Parse(const Strata::UniString& text, int& value) noexcept;
  /// The shortest decimal form ("-17", "0").
  static Strata::UniString ToString(int value);
};

}  // namespace Quorum::Common
