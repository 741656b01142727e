// Text helpers of the examiner: numbers for people, UTF-16 and UTF-8, base64
// and quoted previews. Internal to the examiner.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Quorum::Tools::Examiner::internal {

// 4294967295 as "4,294,967,295".
std::string FormatCount(std::uint64_t number);

// The UTF-8 form of `units`, or nothing when they hold a lone surrogate.
std::optional<std::string> ToUtf8(std::u16string_view units);
// The UTF-16 form of well-formed UTF-8, or nothing for any other bytes.
std::optional<std::u16string> ToUtf16(std::string_view utf8);
bool IsValidUtf8(std::string_view bytes);

std::string EncodeBase64(const std::vector<unsigned char>& bytes);
// Nothing unless `text` is padded base64 of the standard alphabet.
std::optional<std::vector<unsigned char>> DecodeBase64(std::string_view text);

// `text` in double quotes with control characters, quotes and backslashes
// escaped as in JSON, so every item stays on one line.
std::string Quote(std::string_view text);

}  // namespace Quorum::Tools::Examiner::internal
