#include "Strata/UniChar.h"

#include <unicode/uchar.h>

namespace Strata {

bool UniChar::IsAlphaNumeric() const noexcept {
  if (value_ < 0x80) {
    return (value_ >= u'0' && value_ <= u'9') || (value_ >= u'a' && value_ <= u'z') ||
           (value_ >= u'A' && value_ <= u'Z');
  }
  return u_isalpha(value_) || u_isdigit(value_);
}

}  // namespace Strata
