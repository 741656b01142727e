#include "Strata/OChannelX.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "Strata/IllegalArgumentException.h"
#include "Strata/Throw.h"

namespace Strata {
namespace {

// The four big-endian bytes of `value` at `out`.
void PutBigEndian(std::uint32_t value, unsigned char* out) noexcept {
  out[0] = static_cast<unsigned char>(value >> 24);
  out[1] = static_cast<unsigned char>(value >> 16);
  out[2] = static_cast<unsigned char>(value >> 8);
  out[3] = static_cast<unsigned char>(value);
}

// Each unit as two big-endian bytes at `out`: with SSE2 eight units a step
// (compilers vectorise the plain loop only behind an overlap check, which
// costs more than it saves on texts of a few dozen units).
void PutUnits(std::u16string_view units, unsigned char* out) noexcept {
  std::size_t i = 0;
  if constexpr (std::endian::native == std::endian::little) {
#if defined(__SSE2__)
    for (; units.size() - i >= 8; i += 8) {
      const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(units.data() + i));
      _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 2 * i),
                       _mm_or_si128(_mm_slli_epi16(v, 8), _mm_srli_epi16(v, 8)));
    }
#endif
  }
  for (; i < units.size(); ++i) {
    const auto unit = static_cast<std::uint16_t>(units[i]);
    const std::uint16_t bytes = std::endian::native == std::endian::little
                                    ? static_cast<std::uint16_t>((unit << 8) | (unit >> 8))
                                    : unit;
    std::memcpy(out + 2 * i, &bytes, 2);
  }
}

}  // namespace

void OChannelX::WriteBool(bool value) {
  const unsigned char byte = value ? 1 : 0;
  Put(&byte, 1);
}

void OChannelX::WriteShort(std::int16_t value) {
  const auto bits = static_cast<std::uint16_t>(value);
  const unsigned char bytes[2] = {static_cast<unsigned char>(bits >> 8),
                                  static_cast<unsigned char>(bits)};
  Put(bytes, 2);
}

void OChannelX::WriteInt(std::int32_t value) {
  WriteUnsignedInt(static_cast<std::uint32_t>(value));
}

void OChannelX::WriteUnsignedInt(std::uint32_t value) {
  unsigned char bytes[4];
  PutBigEndian(value, bytes);
  Put(bytes, 4);
}

void OChannelX::Put(const unsigned char* bytes, unsigned int count) {
  if (unsigned char* place = channel_->WriteInPlace(count)) {
    std::memcpy(place, bytes, count);
  } else {
    channel_->Write(bytes, count);
  }
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
  const auto count = static_cast<std::uint32_t>(units.size());
  // Where the channel lends its storage, the count and units are encoded
  // there at once.
  const std::uint64_t size = 4 + 2 * std::uint64_t{count};
  if (size <= std::numeric_limits<unsigned int>::max()) {
    if (unsigned char* place = channel_->WriteInPlace(static_cast<unsigned int>(size))) {
      PutBigEndian(count, place);
      PutUnits(units, place + 4);
      return;
    }
  }
  // Otherwise they go out in one write while they fit a buffer; a longer text
  // goes in pieces, so it needs no more room than that.
  unsigned char buffer[4096];
  PutBigEndian(count, buffer);
  std::size_t filled = 4;
  std::size_t done = 0;
  do {
    const std::size_t n = std::min(units.size() - done, (sizeof buffer - filled) / 2);
    PutUnits(units.substr(done, n), buffer + filled);
    channel_->Write(buffer, static_cast<unsigned int>(filled + 2 * n));
    done += n;
    filled = 0;
  } while (done < units.size());
}

}  // namespace Strata
