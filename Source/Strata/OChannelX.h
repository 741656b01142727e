#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "Strata/Export.h"
#include "Strata/OBinaryChannel.h"
#include "Strata/UniString.h"

namespace Strata {

/// Writes typed values to a byte channel in this project's fixed byte form,
/// shared by every peer.
///
/// | Value        | Bytes |
/// |---|---|
/// | bool         | one byte, 0 or 1 |
/// | short        | two bytes, big-endian two's complement |
/// | int          | four bytes, big-endian two's complement |
/// | unsigned int | four bytes, big-endian |
/// | UniString    | the number of UTF-16 code units as an unsigned int, then each unit |
///
/// Each UTF-16 unit is two big-endian bytes; lone surrogates are written as
/// they are, so every text round-trips exactly.
/// Values go straight to the byte channel, so GetBinaryChannel() is always
/// positioned right after the last typed value. Not thread-safe.
class STRATA_EXPORT OChannelX {
 public:
  /// Writes to `channel`, which this object does not own and which must
  /// outlive it.
  explicit OChannelX(OBinaryChannel& channel) noexcept : channel_(&channel) {}

  /// One byte, 0 or 1.
  void WriteBool(bool value);
  /// Two bytes, big-endian two's complement.
  void WriteShort(std::int16_t value);
  /// Four bytes, big-endian two's complement.
  void WriteInt(std::int32_t value);
  /// Four bytes, big-endian.
  void WriteUnsignedInt(std::uint32_t value);
  /// The count of UTF-16 code units, then each unit as two big-endian bytes.
  void WriteUniString(const UniString& value);
  /// The form of WriteUniString for units held elsewhere.
  void WriteUnits(std::u16string_view units);
  /// A count of items as an unsigned int. Counts of 2^32 or more do not fit:
  /// they throw IllegalArgumentException "Invalid count: count does not fit
  /// 32 bits." and nothing is written (for WriteUnits: nothing of the text).
  void WriteCount(std::size_t count);

  /// The byte channel written to, positioned after the last typed value.
  OBinaryChannel& GetBinaryChannel() const noexcept { return *channel_; }

 private:
  // Writes the bytes, in place where the channel lends its storage.
  STRATA_LOCAL void Put(const unsigned char* bytes, unsigned int count);

  OBinaryChannel* channel_;
};

}  // namespace Strata
