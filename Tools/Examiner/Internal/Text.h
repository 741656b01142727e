// Text helpers of the examiner: numbers for people, UTF-16 and UTF-8, base64
// and quoted text for dumps and JSON. The checker and the encoder take their
// input in pieces split anywhere, so a content is never held whole. Internal
// to the examiner.
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

// Whether bytes that arrive in pieces are well-formed UTF-8 as a whole.
class Utf8Checker {
 public:
  void Add(std::string_view piece);
  // Everything added so far is well-formed, with no character unfinished.
  bool IsValid() const noexcept { return valid_ && pendingSize_ == 0; }

 private:
  char pending_[4] = {};  // the start of a character the last piece cut
  std::size_t pendingSize_ = 0;
  bool valid_ = true;
};

// Padded base64 of bytes that arrive in pieces.
class Base64Encoder {
 public:
  // Appends the base64 of every whole group of three bytes so far to `out`.
  void Add(std::string_view bytes, std::string& out);
  // Appends the last, padded group, if any.
  void Finish(std::string& out);

 private:
  unsigned char carry_[2] = {};
  std::size_t carried_ = 0;
};

std::string EncodeBase64(const std::vector<unsigned char>& bytes);
// Nothing unless `text` is padded base64 of the standard alphabet.
std::optional<std::vector<unsigned char>> DecodeBase64(std::string_view text);

// `text` in double quotes with control characters (DEL too), quotes and
// backslashes escaped, so every item of a dump stays on one line.
std::string Quote(std::string_view text);

// Appends UTF-8 text escaped as nlohmann::json's dump escapes it: quotes,
// backslashes and control characters below U+0020 (as \b, \f, \n, \r, \t
// or \u00xx); every other byte as it is, so pieces can be escaped apart.
void AppendJsonEscaped(std::string_view utf8, std::string& out);
// `utf8` escaped as a JSON string, in double quotes.
std::string QuoteJson(std::string_view utf8);

}  // namespace Quorum::Tools::Examiner::internal
