// OChannelX writes typed values to a byte channel in this project's fixed
// byte form, shared by every peer:
//   bool          one byte, 0 or 1
//   short         two bytes, big-endian two's complement
//   int           four bytes, big-endian two's complement
//   unsigned int  four bytes, big-endian
//   UniString     the number of UTF-16 code units as an unsigned int, then
//                 each unit as two big-endian bytes (lone surrogates
//                 included, so every text round-trips exactly)
// Values go straight to the byte channel, so GetBinaryChannel() is always
// positioned right after the last typed value.
#pragma once

#include <cstdint>

#include "Strata/Export.h"
#include "Strata/OBinaryChannel.h"
#include "Strata/UniString.h"

namespace Strata {

class STRATA_EXPORT OChannelX {
 public:
  explicit OChannelX(OBinaryChannel& channel) noexcept : channel_(&channel) {}

  void WriteBool(bool value);
  void WriteShort(std::int16_t value);
  void WriteInt(std::int32_t value);
  void WriteUnsignedInt(std::uint32_t value);
  void WriteUniString(const UniString& value);

  OBinaryChannel& GetBinaryChannel() const noexcept { return *channel_; }

 private:
  OBinaryChannel* channel_;
};

}  // namespace Strata
