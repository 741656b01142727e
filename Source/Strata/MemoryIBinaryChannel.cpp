#include "Strata/MemoryIBinaryChannel.h"

#include <algorithm>
#include <cstring>

namespace Strata {

MemoryIBinaryChannel::MemoryIBinaryChannel(const unsigned char* data, unsigned int size,
                                           bool ownsBuffer)
    : data_(data), size_(data == nullptr ? 0 : size), ownsBuffer_(ownsBuffer) {}

MemoryIBinaryChannel::~MemoryIBinaryChannel() {
  if (ownsBuffer_) delete[] data_;
}

unsigned int MemoryIBinaryChannel::Read(unsigned char* data, unsigned int count) {
  const unsigned int n = std::min(count, size_ - position_);
  if (n != 0) std::memcpy(data, data_ + position_, n);
  position_ += n;
  return n;
}

const unsigned char* MemoryIBinaryChannel::ReadInPlace(unsigned int count) {
  if (count > size_ - position_) return nullptr;
  const unsigned char* bytes = data_ + position_;
  position_ += count;
  return bytes;
}

}  // namespace Strata
