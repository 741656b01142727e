#include "Quorum/Common/Integer32.h"

#include "Quorum/Common/Internal/DecimalText.h"

namespace Quorum::Common {

bool Integer32::Parse(const Strata::UniString& text, int& value) noexcept {
  return internal::ParseDecimal(text, true, value);
}

Strata::UniString Integer32::ToString(int value) { return internal::FormatDecimal(value); }

}  // namespace Quorum::Common
