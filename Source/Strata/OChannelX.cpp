#include "Strata/OChannelX.h"

#include <algorithm>
#include <limits>

#include "Strata/IllegalArgumentException.h"
#include "Strata/Throw.h"

namespace Strata {

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
  WriteCount(units.size());
  // Encode in pieces so a long text needs only a small buffer.
  unsigned char buffer[4096];
  std::size_t done = 0;
  while (done < units.size()) {
    const std::size_t n = std::min<std::size_t>(units.size() - done, sizeof buffer / 2);
    for (std::size_t i = 0; i < n; ++i) {
      buffer[2 * i] = static_cast<unsigned char>(units[done + i] >> 8);
      buffer[2 * i + 1] = static_cast<unsigned char>(units[done + i]);
    }
    channel_->Write(buffer, static_cast<unsigned int>(2 * n));
    done += n;
  }
}

}  // namespace Strata
