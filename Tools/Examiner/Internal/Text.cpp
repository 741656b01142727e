#include "Internal/Text.h"

#include <array>
#include <cstdio>

namespace Quorum::Tools::Examiner::internal {

namespace {

constexpr char Base64Alphabet[] =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

void AppendUtf8(char32_t c, std::string& out) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Decodes the character at `bytes[index]` and advances past it; nothing for
// malformed, overlong or surrogate sequences.
std::optional<char32_t> NextCharacter(std::string_view bytes, std::size_t& index) {
  const auto lead = static_cast<unsigned char>(bytes[index++]);
  if (lead < 0x80) return lead;
  std::size_t extra = 0;
  char32_t c = 0;
  char32_t least = 0;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1, c = lead & 0x1F, least = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2, c = lead & 0x0F, least = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3, c = lead & 0x07, least = 0x10000;
  } else {
    return std::nullopt;
  }
  for (; extra > 0; --extra) {
    if (index == bytes.size()) return std::nullopt;
    const auto next = static_cast<unsigned char>(bytes[index++]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    c = (c << 6) | (next & 0x3F);
  }
  if (c < least || c > 0x10FFFF || IsHighSurrogate(c) || IsLowSurrogate(c)) return std::nullopt;
  return c;
}

// The length of the UTF-8 sequence `lead` begins; 0 when no sequence begins so.
std::size_t SequenceLength(char lead) {
  const auto byte = static_cast<unsigned char>(lead);
  if (byte < 0x80) return 1;
  if ((byte & 0xE0) == 0xC0) return 2;
  if ((byte & 0xF0) == 0xE0) return 3;
  if ((byte & 0xF8) == 0xF0) return 4;
  return 0;
}

// Appends the base64 of `count` (1 to 3) bytes, padded to four characters.
void AppendGroup(unsigned char a, unsigned char b, unsigned char c, std::size_t count,
                 std::string& out) {
  const std::uint32_t group = (std::uint32_t{a} << 16) | (std::uint32_t{b} << 8) | c;
  for (std::size_t k = 0; k < 4; ++k) {
    out += k <= count ? Base64Alphabet[(group >> (18 - 6 * k)) & 0x3F] : '=';
  }
}

// Appends `text` with quotes, backslashes and control characters escaped:
// for JSON as nlohmann::json's dump does (\b and \f by name, DEL as it is),
// else with DEL escaped too and \b, \f as \u00xx.
void AppendEscaped(std::string_view text, bool forJson, std::string& out) {
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    const char* named = nullptr;
    switch (c) {
      case '"':
        named = "\\\"";
        break;
      case '\\':
        named = "\\\\";
        break;
      case '\n':
        named = "\\n";
        break;
      case '\r':
        named = "\\r";
        break;
      case '\t':
        named = "\\t";
        break;
      case '\b':
        named = forJson ? "\\b" : nullptr;
        break;
      case '\f':
        named = forJson ? "\\f" : nullptr;
        break;
      default:
        break;
    }
    if (named != nullptr) {
      out += named;
    } else if (byte < 0x20 || (byte == 0x7F && !forJson)) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
      out += escaped;
    } else {
      out += c;
    }
  }
}

}  // namespace

std::string FormatCount(std::uint64_t number) {
  const std::string digits = std::to_string(number);
  std::string grouped;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i != 0 && (digits.size() - i) % 3 == 0) grouped += ',';
    grouped += digits[i];
  }
  return grouped;
}

std::optional<std::string> ToUtf8(std::u16string_view units) {
  std::string out;
  for (std::size_t i = 0; i < units.size(); ++i) {
    char32_t c = units[i];
    if (IsHighSurrogate(c) && i + 1 < units.size() && IsLowSurrogate(units[i + 1])) {
      c = 0x10000 + ((c - 0xD800) << 10) + (units[++i] - 0xDC00);
    } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
      return std::nullopt;
    }
    AppendUtf8(c, out);
  }
  return out;
}

std::optional<std::u16string> ToUtf16(std::string_view utf8) {
  std::u16string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const std::optional<char32_t> c = NextCharacter(utf8, i);
    if (!c) return std::nullopt;
    if (*c < 0x10000) {
      out += static_cast<char16_t>(*c);
    } else {
      out += static_cast<char16_t>(0xD800 + ((*c - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((*c - 0x10000) & 0x3FF));
    }
  }
  return out;
}

bool IsValidUtf8(std::string_view bytes) {
  Utf8Checker checker;
  checker.Add(bytes);
  return checker.IsValid();
}

void Utf8Checker::Add(std::string_view piece) {
  std::size_t i = 0;
  if (valid_ && pendingSize_ != 0) {
    const std::size_t length = SequenceLength(pending_[0]);
    while (pendingSize_ < length && i < piece.size()) pending_[pendingSize_++] = piece[i++];
    if (pendingSize_ < length) return;
    std::size_t at = 0;
    valid_ = NextCharacter(std::string_view(pending_, length), at).has_value();
    pendingSize_ = 0;
  }
  while (valid_ && i < piece.size()) {
    const std::size_t length = SequenceLength(piece[i]);
    if (length != 0 && piece.size() - i < length) {
      pendingSize_ = piece.copy(pending_, length, i);
      return;
    }
    valid_ = length != 0 && NextCharacter(piece, i).has_value();
  }
}

void Base64Encoder::Add(std::string_view bytes, std::string& out) {
  const auto byte = [bytes](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
  std::size_t i = 0;
  // First the group the last piece left open.
  while (carried_ != 0 && i < bytes.size()) {
    if (carried_ == 1) {
      carry_[carried_++] = byte(i++);
    } else {
      AppendGroup(carry_[0], carry_[1], byte(i++), 3, out);
      carried_ = 0;
    }
  }
  for (; bytes.size() - i >= 3; i += 3) AppendGroup(byte(i), byte(i + 1), byte(i + 2), 3, out);
  for (; i < bytes.size(); ++i) carry_[carried_++] = byte(i);
}

void Base64Encoder::Finish(std::string& out) {
  if (carried_ != 0) AppendGroup(carry_[0], carried_ == 2 ? carry_[1] : 0, 0, carried_, out);
  carried_ = 0;
}

std::string EncodeBase64(const std::vector<unsigned char>& bytes) {
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  Base64Encoder encoder;
  encoder.Add(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), out);
  encoder.Finish(out);
  return out;
}

std::optional<std::vector<unsigned char>> DecodeBase64(std::string_view text) {
  if (text.size() % 4 != 0) return std::nullopt;
  std::array<int, 256> values;
  values.fill(-1);
  for (int i = 0; i < 64; ++i) values[static_cast<unsigned char>(Base64Alphabet[i])] = i;
  std::vector<unsigned char> out;
  for (std::size_t i = 0; i < text.size(); i += 4) {
    const bool last = i + 4 == text.size();
    const std::size_t padding = last ? (text[i + 3] == '=') + (text[i + 2] == '=') : 0;
    std::uint32_t group = 0;
    for (std::size_t k = 0; k < 4; ++k) {
      const int value = k < 4 - padding ? values[static_cast<unsigned char>(text[i + k])] : 0;
      if (value < 0) return std::nullopt;
      group = (group << 6) | static_cast<std::uint32_t>(value);
    }
    // Bits beyond the last byte must be zero, so every byte string has one form.
    if ((padding == 1 && (group & 0xFF) != 0) || (padding == 2 && (group & 0xFFFF) != 0)) {
      return std::nullopt;
    }
    for (std::size_t k = 0; k < 3 - padding; ++k) {
      out.push_back(static_cast<unsigned char>(group >> (16 - 8 * k)));
    }
  }
  return out;
}

std::string Quote(std::string_view text) {
  std::string out = "\"";
  AppendEscaped(text, false, out);
  return out + "\"";
}

void AppendJsonEscaped(std::string_view utf8, std::string& out) { AppendEscaped(utf8, true, out); }

std::string QuoteJson(std::string_view utf8) {
  std::string out = "\"";
  AppendJsonEscaped(utf8, out);
  return out + "\"";
}

}  // namespace Quorum::Tools::Examiner::internal
