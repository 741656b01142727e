#include "Strata/IBinaryChannelUtilities.h"

namespace Strata {

unsigned int IBinaryChannelUtilities::ReadFully(IBinaryChannel& channel, unsigned char* data,
                                                unsigned int count) {
  unsigned int done = 0;
  while (done < count) {
    const unsigned int got = channel.Read(data + done, count - done);
    if (got == 0) break;
    done += got;
  }
  return done;
}

}  // namespace Strata
