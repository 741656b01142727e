#include "Strata/MemoryOBinaryChannel.h"

#include <cstring>
#include <limits>

#include "Strata/IOException.h"
#include "Strata/Throw.h"

namespace Strata {

MemoryOBinaryChannel::MemoryOBinaryChannel() = default;
MemoryOBinaryChannel::~MemoryOBinaryChannel() = default;

unsigned long long MemoryOBinaryChannel::CapacityFor(unsigned int count) const {
  constexpr unsigned long long kLimit = std::numeric_limits<unsigned int>::max();
  const unsigned long long needed = static_cast<unsigned long long>(size_) + count;
  if (needed > kLimit) STRATA_THROW(IOException, "Failed to write: buffer is full.");
  // A channel usually collects a whole value: starting at a page saves the
  // several small regrowths (each an allocation and a copy) on the way there.
  unsigned long long grown = capacity_ < kFirstCapacity ? kFirstCapacity : 2ull * capacity_;
  if (grown < needed) grown = needed;
  return grown > kLimit ? kLimit : grown;
}

void MemoryOBinaryChannel::Write(const unsigned char* data, unsigned int count) {
  if (closed_) STRATA_THROW(IOException, "Failed to write: channel is closed.");
  if (count == 0) return;
  if (count > capacity_ - size_) {
    Regrow(CapacityFor(count), data, count);
    return;
  }
  std::memcpy(buffer_.get() + size_, data, count);
  size_ += count;
}

unsigned char* MemoryOBinaryChannel::WriteInPlace(unsigned int count) {
  if (closed_) STRATA_THROW(IOException, "Failed to write: channel is closed.");
  if (count > capacity_ - size_) Regrow(CapacityFor(count), nullptr, 0);
  unsigned char* place = buffer_.get() + size_;
  size_ += count;
  return place;
}

void MemoryOBinaryChannel::ReserveMore(unsigned int count) noexcept {
  const unsigned long long wanted = static_cast<unsigned long long>(size_) + count;
  if (closed_ || wanted <= capacity_ || wanted > std::numeric_limits<unsigned int>::max()) return;
  try {
    Regrow(wanted, nullptr, 0);
  } catch (...) {
    // Only a hint: the writes will grow the buffer as they come.
  }
}

void MemoryOBinaryChannel::Regrow(unsigned long long capacity, const unsigned char* data,
                                  unsigned int count) {
  auto bigger = std::make_unique_for_overwrite<unsigned char[]>(capacity);
  if (size_ != 0) std::memcpy(bigger.get(), buffer_.get(), size_);
  if (count != 0) std::memcpy(bigger.get() + size_, data, count);
  buffer_ = std::move(bigger);
  capacity_ = static_cast<unsigned int>(capacity);
  size_ += count;
}

void MemoryOBinaryChannel::Close() { closed_ = true; }

unsigned char* MemoryOBinaryChannel::ReleaseBuffer() noexcept {
  size_ = 0;
  capacity_ = 0;
  return buffer_.release();
}

}  // namespace Strata
