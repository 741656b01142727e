// MemoryIBinaryChannel reads the bytes of a buffer. Without ownership the
// buffer must outlive the channel; with ownership (a buffer from new[], such
// as MemoryOBinaryChannel::ReleaseBuffer gives) the channel frees it.
#pragma once

#include "Strata/Export.h"
#include "Strata/IBinaryChannel.h"

namespace Strata {

class STRATA_EXPORT MemoryIBinaryChannel : public IBinaryChannel {
 public:
  MemoryIBinaryChannel(const unsigned char* data, unsigned int size, bool ownsBuffer = false);
  ~MemoryIBinaryChannel() override;
  MemoryIBinaryChannel(const MemoryIBinaryChannel&) = delete;
  MemoryIBinaryChannel& operator=(const MemoryIBinaryChannel&) = delete;

  unsigned int Read(unsigned char* data, unsigned int count) override;
  unsigned int GetAvailable() const override { return size_ - position_; }
  const unsigned char* ReadInPlace(unsigned int count) override;

 private:
  const unsigned char* data_;
  unsigned int size_;
  unsigned int position_ = 0;
  bool ownsBuffer_;
};

}  // namespace Strata
