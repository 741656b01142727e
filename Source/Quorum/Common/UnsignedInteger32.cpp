#include "Quorum/Common/UnsignedInteger32.h"

#include "Quorum/Common/Internal/DecimalText.h"

namespace Quorum::Common {

bool UnsignedInteger32::Parse(const Strata::UniString& text, unsigned int& value) noexcept {
  return internal::ParseDecimal(text, false, value);
}

Strata::UniString UnsignedInteger32::ToString(unsigned int value) {
  return internal::FormatDecimal(value);
}

}  // namespace Quorum::Common
