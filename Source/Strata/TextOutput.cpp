#include "Strata/TextOutput.h"

#include <ostream>

#include "Strata/UniString.h"

namespace Strata {

std::ostream& operator<<(std::ostream& out, const UniString& text) {
  const std::string utf8 = text.ToUtf8();
  return out.write(utf8.data(), static_cast<std::streamsize>(utf8.size()));
}

}  // namespace Strata
