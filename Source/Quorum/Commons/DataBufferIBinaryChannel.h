#pragma once

#include "Strata/RequiresCxx20.h"

#include <algorithm>
#include <cstring>

#include "Quorum/Commons/DataBuffer.h"
#include "Strata/IBinaryChannel.h"
#include "Strata/Ref.h"

namespace Quorum::Commons {

/// Reads the bytes of a DataBuffer in place, from the first byte.
///
/// It shares the buffer through a counted reference, so the buffer lives as
/// long as the channel; if the buffer shrinks meanwhile, the channel simply
/// ends earlier. Not thread-safe.
template <typename T>
class DataBufferIBinaryChannel : public Strata::IBinaryChannel {
  static_assert(sizeof(T) == 1, "a byte channel reads byte buffers only");

 public:
  /// Reads `buffer`, which the channel shares; an empty reference reads as
  /// empty.
  explicit DataBufferIBinaryChannel(Strata::Ref<const DataBuffer<T>> buffer)
      : buffer_(std::move(buffer)) {}

  /// Copies up to `count` of the bytes left; 0 at the end and after Close.
  unsigned int Read(unsigned char* data, unsigned int count) override {
    const unsigned int size = buffer_.IsNull() ? 0 : buffer_->GetSize();
    if (position_ >= size) return 0;
    const unsigned int n = std::min(count, size - position_);
    std::memcpy(data, buffer_->GetData() + position_, n);
    position_ += n;
    return n;
  }
  /// The next `count` bytes where they lie in the buffer; null, moving
  /// nothing, when fewer are left or `count` is 0.
  const unsigned char* ReadInPlace(unsigned int count) override {
    const unsigned int size = buffer_.IsNull() ? 0 : buffer_->GetSize();
    if (position_ > size || count > size - position_ || count == 0) return nullptr;
    const unsigned char* bytes = buffer_->GetData() + position_;
    position_ += count;
    return bytes;
  }
  /// The bytes left.
  unsigned int GetAvailable() const override {
    const unsigned int size = buffer_.IsNull() ? 0 : buffer_->GetSize();
    return position_ >= size ? 0 : size - position_;
  }
  /// Drops the channel's share of the buffer; the channel is at its end.
  void Close() override { buffer_.Release(); }

 private:
  Strata::Ref<const DataBuffer<T>> buffer_;
  unsigned int position_ = 0;
};

}  // namespace Quorum::Commons
