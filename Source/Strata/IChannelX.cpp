#include "Strata/IChannelX.h"

#include <algorithm>
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

bool IChannelX::ReadBool() {
  unsigned char byte = 0;
  ReadExactly(&byte, 1, "bool");
  if (byte > 1) {
    STRATA_THROW(IOException,
                 UniString::Format("Failed to read bool: invalid value %u.", unsigned{byte}));
  }
  return byte == 1;
}

std::int16_t IChannelX::ReadShort() {
  unsigned char bytes[2];
  ReadExactly(bytes, 2, "short");
  return static_cast<std::int16_t>(static_cast<std::uint16_t>((bytes[0] << 8) | bytes[1]));
}

std::int32_t IChannelX::ReadInt() { return static_cast<std::int32_t>(ReadUnsignedInt()); }

std::uint32_t IChannelX::ReadUnsignedInt() {
  unsigned char bytes[4];
  ReadExactly(bytes, 4, "unsigned int");
  return (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) |
         (std::uint32_t{bytes[2]} << 8) | std::uint32_t{bytes[3]};
}

UniString IChannelX::ReadUniString() {
  const std::uint32_t length = ReadUnsignedInt();
  // The units are read straight into the text's storage. Storage grows only
  // as far as the channel says it can deliver, or doubles what has arrived
  // (at least a small piece) when it cannot say, so a hostile length
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
    if (got != 2 * n) {
      STRATA_THROW(IOException,
                   UniString::Format("Failed to read string: unexpected end of channel after %u "
                                     "of %u characters.",
                                     static_cast<unsigned int>(done + got / 2),
                                     static_cast<unsigned int>(length)));
    }
    for (std::size_t i = done; i < done + n; ++i) {
      const auto* unit = reinterpret_cast<const unsigned char*>(&units[i]);
      units[i] = static_cast<char16_t>((unit[0] << 8) | unit[1]);
    }
    done += n;
  }
  return UniString(std::move(units));
}

}  // namespace Strata
