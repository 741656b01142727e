#include "Strata/CountingIBinaryChannel.h"

namespace Strata {

unsigned int CountingIBinaryChannel::Read(unsigned char* data, unsigned int count) {
  const unsigned int n = channel_->Read(data, count);
  position_ += n;
  return n;
}

}  // namespace Strata
