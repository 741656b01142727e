#pragma once

#include "Strata/Export.h"
#include "Strata/OBinaryChannel.h"
#include "Strata/UniString.h"

namespace Strata {

/// Helpers over output byte channels.
class STRATA_EXPORT OBinaryChannelUtilities {
 public:
  /// Writes exactly the UTF-8 bytes of `text`: no length, no terminator.
  static void WriteUniStringAsUTF8(OBinaryChannel& channel, const UniString& text);
};

}  // namespace Strata
