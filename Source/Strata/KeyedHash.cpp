#include "Strata/KeyedHash.h"

#include <sys/random.h>

#include <bit>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>

#include "Strata/Internal/AsciiBlocks.h"

namespace Strata {
namespace {

struct ProcessKey {
  std::uint64_t k0 = 0;
  std::uint64_t k1 = 0;

  ProcessKey() {
    std::uint64_t words[2] = {0, 0};
    if (!FillFromKernel(words, sizeof words) && !FillFromDevice(words, sizeof words)) {
      // No random source at all: the index still works, it is just not
      // secret. Mix in what varies between runs.
      words[0] = static_cast<std::uint64_t>(std::time(nullptr));
      words[1] = reinterpret_cast<std::uintptr_t>(this);
    }
    k0 = words[0];
    k1 = words[1];
  }

  static bool FillFromKernel(void* data, std::size_t size) {
    auto* bytes = static_cast<unsigned char*>(data);
    std::size_t done = 0;
    while (done < size) {
      const ssize_t got = ::getrandom(bytes + done, size - done, 0);
      if (got < 0) {
        if (errno == EINTR) continue;
        return false;
      }
      done += static_cast<std::size_t>(got);
    }
    return true;
  }

  static bool FillFromDevice(void* data, std::size_t size) {
    std::FILE* device = std::fopen("/dev/urandom", "rb");
    if (device == nullptr) return false;
    const bool filled = std::fread(data, 1, size, device) == size;
    std::fclose(device);
    return filled;
  }
};

const ProcessKey& GetProcessKey() noexcept {
  static const ProcessKey key;
  return key;
}

std::uint64_t LoadLittleEndian(const unsigned char* bytes, std::size_t count) noexcept {
  std::uint64_t word = 0;
  for (std::size_t i = 0; i < count; ++i) word |= std::uint64_t{bytes[i]} << (8 * i);
  return word;
}

// The bytes after the last whole word, little-endian. With a word before
// them, the eight bytes that end the message are loaded at once and the
// earlier ones shifted out.
std::uint64_t LoadTail(const unsigned char* bytes, std::size_t size, std::size_t whole) noexcept {
  const std::size_t tail = size - whole;
  if (tail == 0) return 0;
  if (std::endian::native == std::endian::little && size >= 8) {
    std::uint64_t word;
    std::memcpy(&word, bytes + size - 8, 8);
    return word >> (8 * (8 - tail));
  }
  return LoadLittleEndian(bytes + whole, tail);
}

struct SipState {
  std::uint64_t v0, v1, v2, v3;

  void Round() noexcept {
    v0 += v1;
    v1 = std::rotl(v1, 13);
    v1 ^= v0;
    v0 = std::rotl(v0, 32);
    v2 += v3;
    v3 = std::rotl(v3, 16);
    v3 ^= v2;
    v0 += v3;
    v3 = std::rotl(v3, 21);
    v3 ^= v0;
    v2 += v1;
    v1 = std::rotl(v1, 17);
    v1 ^= v2;
    v2 = std::rotl(v2, 32);
  }

  void Absorb(std::uint64_t word, int rounds) noexcept {
    v3 ^= word;
    for (int r = 0; r < rounds; ++r) Round();
    v0 ^= word;
  }
};

// SipHash over the little-endian words `words` gives: Whole(i) for the eight
// bytes at i, for each whole word, then Tail(whole), the bytes after them.
// Inlined where the rounds are constants, so that the compiler unrolls them.
template <typename Words>
inline std::uint64_t SipHash(std::uint64_t k0, std::uint64_t k1, std::size_t size, Words& words,
                             int compressionRounds, int finalRounds) noexcept {
  SipState state{k0 ^ 0x736f6d6570736575ull, k1 ^ 0x646f72616e646f6dull, k0 ^ 0x6c7967656e657261ull,
                 k1 ^ 0x7465646279746573ull};
  const std::size_t whole = size - size % 8;
  for (std::size_t i = 0; i < whole; i += 8) state.Absorb(words.Whole(i), compressionRounds);
  const std::uint64_t last = (static_cast<std::uint64_t>(size) << 56) | words.Tail(whole);
  state.Absorb(last, compressionRounds);
  state.v2 ^= 0xff;
  for (int r = 0; r < finalRounds; ++r) state.Round();
  return state.v0 ^ state.v1 ^ state.v2 ^ state.v3;
}

// The words of a message of bytes.
struct ByteWords {
  const unsigned char* bytes;
  std::size_t size;

  std::uint64_t Whole(std::size_t i) const noexcept {
    if constexpr (std::endian::native == std::endian::big) return LoadLittleEndian(bytes + i, 8);
    std::uint64_t word;
    std::memcpy(&word, bytes + i, 8);
    return word;
  }
  std::uint64_t Tail(std::size_t whole) const noexcept { return LoadTail(bytes, size, whole); }
};

// The words of UTF-16 units lower-cased as ASCII, on a little-endian machine,
// where a word is four whole units; `ascii` ends false when a unit is not.
struct LowerAsciiWords {
  const char16_t* units;
  std::size_t count;
  bool ascii = true;

  std::uint64_t Lower(std::uint64_t block) noexcept {
    ascii = ascii && internal::IsAsciiBlock(block);
    return internal::LowerAsciiBlock(block);
  }
  std::uint64_t Whole(std::size_t i) noexcept { return Lower(internal::LoadBlock(units + i / 2)); }
  // As LoadTail does: with a word before them, the last four units at once.
  std::uint64_t Tail(std::size_t whole) noexcept {
    const std::size_t tail = 2 * count - whole;
    if (tail == 0) return 0;
    if (count >= 4) return Lower(internal::LoadBlock(units + count - 4)) >> (8 * (8 - tail));
    std::uint64_t block = 0;
    std::memcpy(&block, units + whole / 2, tail);
    return Lower(block);
  }
};

inline std::uint64_t SipHash(std::uint64_t k0, std::uint64_t k1, const unsigned char* bytes,
                             std::size_t size, int compressionRounds, int finalRounds) noexcept {
  ByteWords words{bytes, size};
  return SipHash(k0, k1, size, words, compressionRounds, finalRounds);
}

}  // namespace

std::uint64_t KeyedHash::Of(const void* data, std::size_t size) noexcept {
  const ProcessKey& key = GetProcessKey();
  return SipHash(key.k0, key.k1, static_cast<const unsigned char*>(data), size, 1, 3);
}

std::uint64_t KeyedHash::Of(std::uint64_t k0, std::uint64_t k1, const void* data, std::size_t size,
                            int compressionRounds, int finalRounds) noexcept {
  return SipHash(k0, k1, static_cast<const unsigned char*>(data), size, compressionRounds,
                 finalRounds);
}

bool KeyedHash::OfLowerCaseAscii(std::u16string_view units, std::uint64_t& hash) noexcept {
  if constexpr (std::endian::native != std::endian::little) return false;
  LowerAsciiWords words{units.data(), units.size()};
  const ProcessKey& key = GetProcessKey();
  const std::uint64_t result = SipHash(key.k0, key.k1, 2 * units.size(), words, 1, 3);
  if (!words.ascii) return false;
  hash = result;
  return true;
}

}  // namespace Strata
