#pragma once

#include "Strata/Export.h"
#include "Strata/IBinaryChannel.h"

namespace Strata {

/// Helpers over input byte channels.
class STRATA_EXPORT IBinaryChannelUtilities {
 public:
  /// Reads until `count` bytes have come or the channel ends; returns the
  /// number read (less than `count` only at the end).
  static unsigned int ReadFully(IBinaryChannel& channel, unsigned char* data, unsigned int count);
};

}  // namespace Strata
