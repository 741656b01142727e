#include "Strata/OBinaryChannelUtilities.h"

#include <string>

namespace Strata {

void OBinaryChannelUtilities::WriteUniStringAsUTF8(OBinaryChannel& channel, const UniString& text) {
  const std::string bytes = text.ToCStr();
  if (!bytes.empty()) {
    channel.Write(reinterpret_cast<const unsigned char*>(bytes.data()),
                  static_cast<unsigned int>(bytes.size()));
  }
}

}  // namespace Strata
