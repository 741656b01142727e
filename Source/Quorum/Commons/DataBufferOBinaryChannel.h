// DataBufferOBinaryChannel collects written bytes in a DataBuffer of its own.
// Close ends the channel (a second Close does nothing); writing after Close
// throws Strata::IOException. Subclasses may hand the buffer over on Close.
#pragma once

#include "Strata/RequiresCxx20.h"

#include <limits>

#include "Quorum/Commons/DataBuffer.h"
#include "Strata/IOException.h"
#include "Strata/OBinaryChannel.h"
#include "Strata/Throw.h"

namespace Quorum::Commons {

template <typename T>
class DataBufferOBinaryChannel : public Strata::OBinaryChannel {
  static_assert(sizeof(T) == 1, "a byte channel writes byte buffers only");

 public:
  explicit DataBufferOBinaryChannel(unsigned int initialCapacity = 0) {
    buffer_.Reserve(initialCapacity);
  }

  void Write(const unsigned char* data, unsigned int count) override {
    if (closed_) STRATA_THROW(Strata::IOException, "Failed to write: channel is closed.");
    if (count > std::numeric_limits<unsigned int>::max() - buffer_.GetSize()) {
      STRATA_THROW(Strata::IOException, "Failed to write: buffer is full.");
    }
    buffer_.Append(reinterpret_cast<const T*>(data), count);
  }
  void ReserveMore(unsigned int count) noexcept override {
    const unsigned long long wanted = static_cast<unsigned long long>(buffer_.GetSize()) + count;
    if (closed_ || wanted > std::numeric_limits<unsigned int>::max()) return;
    try {
      buffer_.Reserve(static_cast<unsigned int>(wanted));
    } catch (...) {
      // Only a hint: the writes will grow the buffer as they come.
    }
  }
  void Close() override { closed_ = true; }

  bool IsClosed() const noexcept { return closed_; }
  DataBuffer<T>& GetBuffer() noexcept { return buffer_; }
  const DataBuffer<T>& GetBuffer() const noexcept { return buffer_; }

 private:
  DataBuffer<T> buffer_;
  bool closed_ = false;
};

}  // namespace Quorum::Commons
