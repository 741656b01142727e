#include "Strata/IChannelX.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <string>

#include "Strata/IBinaryChannelUtilities.h"
#include "Strata/IOException.h"
#include "Strata/Throw.h"

namespace Strata {

void IChannelX::ReadExactly(unsigned char* data, unsigned int count, const char* what) {
  if (IBinaryChannelUtilities::ReadFully(*channel_, data, count) != count) {
    STRATA_THROW(IOException,
                 UniString::Format("Failed to read %s: unexpected end of channel.", what));
  }
}

const unsigned char* IChannelX::ReadBytes(unsigned char* buffer, unsigned int count,
                                          const char* what) {
  if (const unsigned char* bytes = channel_->ReadInPlace(count)) return bytes;
  ReadExactly(buffer, count, what);
  return buffer;
}

bool IChannelX::ReadBool() {
  unsigned char buffer = 0;
  const unsigned char byte = *ReadBytes(&buffer, 1, "bool");
  if (byte > 1) {
    STRATA_THROW(IOException,
                 UniString::Format("Failed to read bool: invalid value %u.", unsigned{byte}));
  }
  return byte == 1;
}

std::int16_t IChannelX::ReadShort() {
  unsigned char buffer[2];
  const unsigned char* bytes = ReadBytes(buffer, 2, "short");
  return static_cast<std::int16_t>(static_cast<std::uint16_t>((bytes[0] << 8) | bytes[1]));
}

std::int32_t IChannelX::ReadInt() { return static_cast<std::int32_t>(ReadUnsignedInt()); }

std::uint32_t IChannelX::ReadUnsignedInt() {
  unsigned char buffer[4];
  const unsigned char* bytes = ReadBytes(buffer, 4, "unsigned int");
  return (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) |
         (std::uint32_t{bytes[2]} << 8) | std::uint32_t{bytes[3]};
}

namespace {

// Turns units read as big-endian byte pairs into code units in place.
void UnitsFromBigEndian(char16_t* units, std::size_t count) noexcept {
  if constexpr (std::endian::native == std::endian::little) {
    for (std::size_t i = 0; i < count; ++i) {
      units[i] = static_cast<char16_t>((units[i] << 8) | (units[i] >> 8));
    }
  }
}

[[noreturn]] void ThrowShortString(std::size_t done, std::uint32_t length) {
  STRATA_THROW(
      IOException,
      UniString::Format("Failed to read string: unexpected end of channel after %u "
                        "of %u characters.",
                        static_cast<unsigned int>(done), static_cast<unsigned int>(length)));
}

}  // namespace

UniString IChannelX::ReadUniString() {
  const std::uint32_t length = ReadUnsignedInt();
  // A short text comes through a buffer on the stack and is then built at
  // its length in one step.
  constexpr std::size_t kShort = 512;
  if (length <= kShort) {
    if (const unsigned char* inPlace = channel_->ReadInPlace(2 * length)) {
      return UniString::Filled(length, [&](char16_t* units) {
        for (std::size_t i = 0; i < length; ++i) {
          units[i] = static_cast<char16_t>((inPlace[2 * i] << 8) | inPlace[2 * i + 1]);
        }
      });
    }
    char16_t units[kShort];
    auto* bytes = reinterpret_cast<unsigned char*>(units);
    const unsigned int got = IBinaryChannelUtilities::ReadFully(*channel_, bytes, 2 * length);
    if (got != 2 * length) ThrowShortString(got / 2, length);
    UnitsFromBigEndian(units, length);
    return UniString(std::u16string_view(units, length));
  }
  // A longer one is read straight into the text's storage. Storage grows
  // only as far as the channel says it can deliver, or doubles what has
  // arrived (at least a small piece) when it cannot say, so a hostile length
  // allocates at most about twice the bytes that are really there.
  constexpr std::size_t kPiece = 2048;
  constexpr std::size_t kMostPerRead = std::size_t{1} << 30;
  std::u16string units;
  std::size_t done = 0;
  while (done < length) {
    const std::size_t deliverable = channel_->GetAvailable() / 2;
    const std::size_t n =
        std::min<std::size_t>({length - done, std::max({deliverable, done, kPiece}), kMostPerRead});
    units.resize(done + n);
    auto* bytes = reinterpret_cast<unsigned char*>(units.data() + done);
    const unsigned int got =
        IBinaryChannelUtilities::ReadFully(*channel_, bytes, static_cast<unsigned int>(2 * n));
    if (got != 2 * n) ThrowShortString(done + got / 2, length);
    UnitsFromBigEndian(units.data() + done, n);
    done += n;
  }
  return UniString(std::move(units));
}

}  // namespace Strata
