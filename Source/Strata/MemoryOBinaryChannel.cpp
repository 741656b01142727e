#include "Strata/MemoryOBinaryChannel.h"

#include <cstring>
#include <limits>

#include "Strata/IOException.h"
#include "Strata/Throw.h"

namespace Strata {

MemoryOBinaryChannel::MemoryOBinaryChannel() = default;
MemoryOBinaryChannel::~MemoryOBinaryChannel() = default;

void MemoryOBinaryChannel::Write(const unsigned char* data, unsigned int count) {
  if (closed_) STRATA_THROW(IOException, "Failed to write: channel is closed.");
  if (count == 0) return;
  constexpr unsigned long long kLimit = std::numeric_limits<unsigned int>::max();
  const unsigned long long needed = static_cast<unsigned long long>(size_) + count;
  if (needed > kLimit) STRATA_THROW(IOException, "Failed to write: buffer is full.");
  if (needed > capacity_) {
    unsigned long long grown = capacity_ < 64 ? 64 : 2ull * capacity_;
    if (grown < needed) grown = needed;
    if (grown > kLimit) grown = kLimit;
    auto bigger = std::make_unique<unsigned char[]>(grown);
    if (size_ != 0) std::memcpy(bigger.get(), buffer_.get(), size_);
    buffer_ = std::move(bigger);
    capacity_ = static_cast<unsigned int>(grown);
  }
  std::memcpy(buffer_.get() + size_, data, count);
  size_ += count;
}

void MemoryOBinaryChannel::Close() { closed_ = true; }

unsigned char* MemoryOBinaryChannel::ReleaseBuffer() noexcept {
  size_ = 0;
  capacity_ = 0;
  return buffer_.release();
}

}  // namespace Strata
