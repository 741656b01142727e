// CountingIBinaryChannel passes the bytes of another input channel through
// and counts them, so a reader knows the offset of what it reads next. The
// wrapped channel must outlive this one; the byte stream is left unchanged.
#pragma once

#include <cstdint>

#include "Strata/Export.h"
#include "Strata/IBinaryChannel.h"

namespace Strata {

class STRATA_EXPORT CountingIBinaryChannel : public IBinaryChannel {
 public:
  explicit CountingIBinaryChannel(IBinaryChannel& channel) noexcept : channel_(&channel) {}

  unsigned int Read(unsigned char* data, unsigned int count) override;
  unsigned int GetAvailable() const override { return channel_->GetAvailable(); }
  const unsigned char* ReadInPlace(unsigned int count) override;
  void Close() override { channel_->Close(); }

  // Bytes delivered so far by Read.
  std::uint64_t GetPosition() const noexcept { return position_; }

 private:
  IBinaryChannel* channel_;
  std::uint64_t position_ = 0;
};

}  // namespace Strata
