#include "Strata/OChannelX.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <iterator>
#include <limits>

#include "Strata/IllegalArgumentException.h"
#include "Strata/Throw.h"

namespace Strata {
namespace {

// A unit whose two bytes in memory are its big-endian form.
constexpr char16_t BigEndian(char16_t unit) noexcept {
  if constexpr (std::endian::native == std::endian::little) {
    return static_cast<char16_t>((unit << 8) | (unit >> 8));
  } else {
    return unit;
  }
}

}  // namespace

void OChannelX::WriteBool(bool value) {
  const unsigned char byte = value ? 1 : 0;
  channel_->Write(&byte, 1);
}

void OChannelX::WriteShort(std::int16_t value) {
  const auto bits = static_cast<std::uint16_t>(value);
  const unsigned char bytes[2] = {static_cast<unsigned char>(bits >> 8),
                                  static_cast<unsigned char>(bits)};
  channel_->Write(bytes, 2);
}

void OChannelX::WriteInt(std::int32_t value) {
  WriteUnsignedInt(static_cast<std::uint32_t>(value));
}

void OChannelX::WriteUnsignedInt(std::uint32_t value) {
  const unsigned char bytes[4] = {
      static_cast<unsigned char>(value >> 24), static_cast<unsigned char>(value >> 16),
      static_cast<unsigned char>(value >> 8), static_cast<unsigned char>(value)};
  channel_->Write(bytes, 4);
}

void OChannelX::WriteCount(std::size_t count) {
  if (count > std::numeric_limits<std::uint32_t>::max()) {
    STRATA_THROW(IllegalArgumentException, "Invalid count: count does not fit 32 bits.");
  }
  WriteUnsignedInt(static_cast<std::uint32_t>(count));
}

void OChannelX::WriteUniString(const UniString& value) { WriteUnits(value.GetUnits()); }

void OChannelX::WriteUnits(std::u16string_view units) {
  if (units.size() > std::numeric_limits<std::uint32_t>::max()) {
    WriteCount(units.size());  // throws, having written nothing
  }
  // The count and the units go out in one write while they fit the buffer;
  // a longer text goes in pieces, so it needs no more room than that.
  char16_t buffer[2048];
  const auto count = static_cast<std::uint32_t>(units.size());
  const unsigned char countBytes[4] = {
      static_cast<unsigned char>(count >> 24), static_cast<unsigned char>(count >> 16),
      static_cast<unsigned char>(count >> 8), static_cast<unsigned char>(count)};
  std::memcpy(buffer, countBytes, sizeof countBytes);
  std::size_t filled = 2;
  std::size_t done = 0;
  do {
    const std::size_t n = std::min(units.size() - done, std::size(buffer) - filled);
    for (std::size_t i = 0; i < n; ++i) buffer[filled + i] = BigEndian(units[done + i]);
    channel_->Write(reinterpret_cast<const unsigned char*>(buffer),
                    static_cast<unsigned int>(2 * (filled + n)));
    done += n;
    filled = 0;
  } while (done < units.size());
}

}  // namespace Strata
