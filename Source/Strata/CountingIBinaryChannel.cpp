#include "Strata/CountingIBinaryChannel.h"

namespace Strata {

unsigned int CountingIBinaryChannel::Read(unsigned char* data, unsigned int count) {
  const unsigned int n = channel_->Read(data, count);
  position_ += n;
  return n;
}

const unsigned char* CountingIBinaryChannel::ReadInPlace(unsigned int count) {
  const unsigned char* bytes = channel_->ReadInPlace(count);
  if (bytes != nullptr) position_ += count;
  return bytes;
}

}  // namespace Strata
