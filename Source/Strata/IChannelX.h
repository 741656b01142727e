#pragma once

#include <cstdint>

#include "Strata/Export.h"
#include "Strata/IBinaryChannel.h"
#include "Strata/UniString.h"

namespace Strata {

/// Reads the typed values OChannelX writes, in the byte form OChannelX
/// describes.
///
/// Every read either returns a whole value or throws IOException: at the
/// end of the channel, for a bool byte other than 0 or 1, and for a string
/// whose length runs past the end of the channel. A string's declared length
/// is never trusted for allocation: storage grows only as far as the
/// channel's GetAvailable() promises, or by doubling what has arrived.
/// Nothing is read ahead, so GetBinaryChannel() is positioned right after
/// the last typed value. Not thread-safe.
class STRATA_EXPORT IChannelX {
 public:
  /// Reads from `channel`, which this object does not own and which must
  /// outlive it.
  explicit IChannelX(IBinaryChannel& channel) noexcept : channel_(&channel) {}

  /// One byte, 0 or 1; any other byte throws IOException.
  bool ReadBool();
  /// Two bytes, big-endian two's complement.
  std::int16_t ReadShort();
  /// Four bytes, big-endian two's complement.
  std::int32_t ReadInt();
  /// Four bytes, big-endian.
  std::uint32_t ReadUnsignedInt();
  /// A count of UTF-16 code units, then the units, lone surrogates kept.
  UniString ReadUniString();

  /// The byte channel read from, positioned after the last typed value.
  IBinaryChannel& GetBinaryChannel() const noexcept { return *channel_; }

 private:
  STRATA_LOCAL void ReadExactly(unsigned char* data, unsigned int count, const char* what);
  // The next `count` bytes: where the channel holds them, or else read into
  // `buffer`.
  STRATA_LOCAL const unsigned char* ReadBytes(unsigned char* buffer, unsigned int count,
                                              const char* what);

  IBinaryChannel* channel_;
};

}  // namespace Strata
