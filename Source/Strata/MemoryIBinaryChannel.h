#pragma once

#include "Strata/Export.h"
#include "Strata/IBinaryChannel.h"

namespace Strata {

/// Reads the bytes of a buffer.
///
/// Without ownership the buffer must outlive the channel; with ownership (a
/// buffer from new[], such as MemoryOBinaryChannel::ReleaseBuffer gives)
/// the channel frees it. Not thread-safe.
class STRATA_EXPORT MemoryIBinaryChannel : public IBinaryChannel {
 public:
  /// Reads the `size` bytes at `data`; a null `data` reads as empty. With
  /// `ownsBuffer` the channel deletes the buffer with delete[].
  MemoryIBinaryChannel(const unsigned char* data, unsigned int size, bool ownsBuffer = false);
  ~MemoryIBinaryChannel() override;
  MemoryIBinaryChannel(const MemoryIBinaryChannel&) = delete;
  MemoryIBinaryChannel& operator=(const MemoryIBinaryChannel&) = delete;

  /// Copies up to `count` of the bytes left; 0 at the end.
  unsigned int Read(unsigned char* data, unsigned int count) override;
  /// The bytes left.
  unsigned int GetAvailable() const override { return size_ - position_; }
  /// The next `count` bytes where they lie in the buffer; null, moving
  /// nothing, when fewer are left.
  const unsigned char* ReadInPlace(unsigned int count) override;

 private:
  const unsigned char* data_;
  unsigned int size_;
  unsigned int position_ = 0;
  bool ownsBuffer_;
};

}  // namespace Strata
