// Internal: the UTF-8 bytes of a text content's text, and the text of bytes
// in a named charset, with whether that text gives the very same bytes back.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "Strata/UniString.h"

namespace Quorum::Server::Mail::Contents::internal {

// Encodes the character at `units[index]` as UTF-8 into `out` (room for four
// bytes); returns the byte count and moves `index` past the character. A lone
// surrogate becomes U+FFFD, as Strata::UniString::ToCStr encodes it.
unsigned int EncodeUtf8Character(std::u16string_view units, std::size_t& index,
                                 unsigned char* out) noexcept;

// The UTF-8 byte count of the text, without building its UTF-8 form. U+0000
// counts like any other character.
std::uint64_t CountUtf8Bytes(std::u16string_view units) noexcept;

// True when every byte is below 0x80.
bool IsAscii(const unsigned char* bytes, std::size_t count) noexcept;

// True when DecodeText decodes in `charset` as it does UTF-8 (empty, unknown
// or a name of UTF-8), so that ASCII bytes are their own text.
bool DecodesAsUtf8(const Strata::UniString& charset);

struct DecodedText {
  Strata::UniString text;
  // The UTF-8 form of `text` is exactly the bytes decoded.
  bool exact = true;
};

// Decodes the bytes in the charset named `charset` (any of ICU's names and
// aliases, in any case). An empty name, one ICU does not know, and UTF-8
// under any alias decode as UTF-8. Every malformed or unmappable sequence
// becomes U+FFFD. Throws Strata::OutOfMemoryException when memory runs out.
DecodedText DecodeText(const unsigned char* bytes, unsigned int count,
                       const Strata::UniString& charset);

}  // namespace Quorum::Server::Mail::Contents::internal
