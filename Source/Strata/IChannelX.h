// IChannelX reads the typed values OChannelX writes (see OChannelX.h for the
// byte form). Every read either returns a whole value or throws IOException:
// at the end of the channel, for a bool byte other than 0 or 1, and for a
// string whose length runs past the end of the channel. A string's declared
// length is never trusted for allocation: storage grows only as far as the
// channel's GetAvailable() promises, or by doubling what has arrived. Nothing is read ahead, so
// GetBinaryChannel() is positioned right after the last typed value.
#pragma once

#include <cstdint>

#include "Strata/Export.h"
#include "Strata/IBinaryChannel.h"
#include "Strata/UniString.h"

namespace Strata {

class STRATA_EXPORT IChannelX {
 public:
  explicit IChannelX(IBinaryChannel& channel) noexcept : channel_(&channel) {}

  bool ReadBool();
  std::int16_t ReadShort();
  std::int32_t ReadInt();
  std::uint32_t ReadUnsignedInt();
  UniString ReadUniString();

  IBinaryChannel& GetBinaryChannel() const noexcept { return *channel_; }

 private:
  void ReadExactly(unsigned char* data, unsigned int count, const char* what);
  // The next `count` bytes: where the channel holds them, or else read into
  // `buffer`.
  const unsigned char* ReadBytes(unsigned char* buffer, unsigned int count, const char* what);

  IBinaryChannel* channel_;
};

}  // namespace Strata
