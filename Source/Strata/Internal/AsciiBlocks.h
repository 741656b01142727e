// Four UTF-16 units in one 64-bit word, for the ASCII fast paths of the text
// and hash code. Lanes are whole units whatever the byte order, and nothing
// below carries from one lane into the next.
#pragma once

#include <cstdint>
#include <cstring>

namespace Strata::internal {

inline constexpr std::uint64_t kLanes = 0x0001000100010001ull;

inline std::uint64_t LoadBlock(const char16_t* units) noexcept {
  std::uint64_t block;
  std::memcpy(&block, units, sizeof block);
  return block;
}

inline void StoreBlock(char16_t* units, std::uint64_t block) noexcept {
  std::memcpy(units, &block, sizeof block);
}

// True when all four units are below 0x80.
constexpr bool IsAsciiBlock(std::uint64_t block) noexcept {
  return (block & (kLanes * 0xFF80)) == 0;
}

// The lower case of four units below 0x80 at once. A unit plus 0x3F reaches
// 0x80 exactly from 'A' on, and plus 0x25 exactly from '[' on, so bit 7 of
// `upper` marks 'A' to 'Z'; shifted to bit 5 it is the 0x20 to add.
constexpr std::uint64_t LowerAsciiBlock(std::uint64_t block) noexcept {
  const std::uint64_t upper =
      (block + kLanes * (0x80 - u'A')) & ~(block + kLanes * (0x80 - u'Z' - 1)) & (kLanes * 0x80);
  return block | (upper >> 2);
}

}  // namespace Strata::internal
