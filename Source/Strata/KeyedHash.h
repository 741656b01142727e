#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "Strata/Export.h"

namespace Strata {

/// SipHash-1-3 under a 128-bit key that is drawn once per process from the
/// operating system's random source (getrandom, else /dev/urandom).
///
/// It decides where HashTable puts a key: without the key, nobody outside
/// the process can compute which texts share a slot, so a peer cannot send
/// names that all land on one probe path. SipHash-1-3 is the
/// flood-resistant table hash of several language runtimes; it is short
/// enough to write once here and needs no package. Its results differ
/// between processes: never store them (GenerateHashValue is the stable
/// hash).
///
/// Thread-safe: the process key is set up once, on first use.
class STRATA_EXPORT KeyedHash {
 public:
  /// The hash of `size` bytes at `data` under the process key.
  static std::uint64_t Of(const void* data, std::size_t size) noexcept;

  /// Of() of the UTF-16 units with 'A' to 'Z' lowered, as their bytes lie in
  /// memory, computed without a lowered copy: true, with `hash` set, when
  /// every unit is below 0x80; false, `hash` untouched, otherwise (or on a
  /// big-endian machine), when the caller lowers a copy itself.
  static bool OfLowerCaseAscii(std::u16string_view units, std::uint64_t& hash) noexcept;

  /// The hash under a given key (k0, k1 as little-endian halves of the key).
  /// `compressionRounds` and `finalRounds` are 1 and 3 for SipHash-1-3, 2
  /// and 4 for SipHash-2-4, whose published test vectors check this code.
  static std::uint64_t Of(std::uint64_t k0, std::uint64_t k1, const void* data, std::size_t size,
                          int compressionRounds = 1, int finalRounds = 3) noexcept;
};

}  // namespace Strata
