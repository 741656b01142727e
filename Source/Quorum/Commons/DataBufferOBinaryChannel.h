#pragma once

#include "Strata/RequiresCxx20.h"

#include <limits>

#include "Quorum/Commons/DataBuffer.h"
#include "Strata/IOException.h"
#include "Strata/OBinaryChannel.h"
#include "Strata/Throw.h"

namespace Quorum::Commons {

/// Collects written bytes in a DataBuffer of its own.
///
/// Close ends the channel (a second Close does nothing); writing after Close
/// throws Strata::IOException. Subclasses may hand the buffer over on Close.
/// Not thread-safe.
template <typename T>
class DataBufferOBinaryChannel : public Strata::OBinaryChannel {
  static_assert(sizeof(T) == 1, "a byte channel writes byte buffers only");

 public:
  /// An empty buffer with room for `initialCapacity` bytes.
  explicit DataBufferOBinaryChannel(unsigned int initialCapacity = 0) {
    buffer_.Reserve(initialCapacity);
  }

  /// Appends the bytes. Throws Strata::IOException after Close, and when the
  /// total would not fit an unsigned int.
  void Write(const unsigned char* data, unsigned int count) override {
    if (closed_) STRATA_THROW(Strata::IOException, "Failed to write: channel is closed.");
    if (count > std::numeric_limits<unsigned int>::max() - buffer_.GetSize()) {
      STRATA_THROW(Strata::IOException, "Failed to write: buffer is full.");
    }
    buffer_.Append(reinterpret_cast<const T*>(data), count);
  }
  /// Grows the buffer at once to hold `count` more bytes, when it can.
  void ReserveMore(unsigned int count) noexcept override {
    const unsigned long long wanted = static_cast<unsigned long long>(buffer_.GetSize()) + count;
    if (closed_ || wanted > std::numeric_limits<unsigned int>::max()) return;
    try {
      buffer_.Reserve(static_cast<unsigned int>(wanted));
    } catch (...) {
      // Only a hint: the writes will grow the buffer as they come.
    }
  }
  /// Ends the channel; the bytes stay in the buffer.
  void Close() override { closed_ = true; }

  /// True after Close.
  bool IsClosed() const noexcept { return closed_; }
  /// The bytes written so far, in the channel's own buffer.
  ///@{
  DataBuffer<T>& GetBuffer() noexcept { return buffer_; }
  const DataBuffer<T>& GetBuffer() const noexcept { return buffer_; }
  ///@}

 private:
  DataBuffer<T> buffer_;
  bool closed_ = false;
};

}  // namespace Quorum::Commons
