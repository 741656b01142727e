#pragma once

#include "Strata/RequiresCxx20.h"

#include <cstdint>

#include "Strata/Export.h"
#include "Strata/IBinaryChannel.h"

namespace Strata {

/// Passes the bytes of another input channel through and counts them, so a
/// reader knows the offset of what it reads next.
///
/// The wrapped channel must outlive this one; the byte stream is left
/// unchanged.
class STRATA_EXPORT CountingIBinaryChannel : public IBinaryChannel {
 public:
  /// Reads from `channel`, which this channel does not own.
  explicit CountingIBinaryChannel(IBinaryChannel& channel) noexcept : channel_(&channel) {}

  /// Reads from the wrapped channel and counts what it delivers.
  unsigned int Read(unsigned char* data, unsigned int count) override;
  /// The wrapped channel's.
  unsigned int GetAvailable() const override { return channel_->GetAvailable(); }
  /// Lends bytes from the wrapped channel where it can, and counts them.
  const unsigned char* ReadInPlace(unsigned int count) override;
  /// Closes the wrapped channel.
  void Close() override { channel_->Close(); }

  /// Bytes delivered so far by Read and ReadInPlace.
  std::uint64_t GetPosition() const noexcept { return position_; }

 private:
  IBinaryChannel* channel_;
  std::uint64_t position_ = 0;
};

}  // namespace Strata
