#include "Quorum/Server/Mail/Contents/Internal/TextBytes.h"

#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

#include "Strata/OutOfMemoryException.h"
#include "Strata/Throw.h"

namespace Quorum::Server::Mail::Contents::internal {
namespace {

constexpr UChar kReplacementCharacter = 0xFFFD;

// ICU refuses spans of more than 2^31 - 1 bytes or units, so long contents
// pass through it in pieces; the converter carries a sequence cut between
// two pieces over to the next.
constexpr std::size_t kPiece = std::size_t{1} << 20;

bool IsHighSurrogate(char16_t unit) noexcept { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) noexcept { return unit >= 0xDC00 && unit <= 0xDFFF; }

struct ConverterCloser {
  void operator()(UConverter* converter) const noexcept { ucnv_close(converter); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

// Writes one U+FFFD for every sequence the converter cannot map, whatever
// substitute the charset itself would choose.
void SubstituteReplacementCharacter(const void* /*context*/, UConverterToUnicodeArgs* arguments,
                                    const char* /*bytes*/, int32_t /*length*/,
                                    UConverterCallbackReason reason, UErrorCode* status) {
  if (reason > UCNV_IRREGULAR) return;  // reset, close and clone need nothing
  *status = U_ZERO_ERROR;
  ucnv_cbToUWriteUChars(arguments, &kReplacementCharacter, 1, 0, status);
}

// The converter for a declared charset; null for UTF-8 and for every name
// that does not name a converter (empty, unknown, or holding characters no
// charset name has), which all decode as UTF-8.
Converter OpenConverter(const Strata::UniString& charset) {
  if (charset.IsEmpty() || charset.GetLength() > UCNV_MAX_CONVERTER_NAME_LENGTH) return nullptr;
  std::string name;
  for (const char16_t unit : charset.GetUnits()) {
    if (unit <= u' ' || unit >= 0x7F) return nullptr;
    name.push_back(static_cast<char>(unit));
  }
  if (ucnv_compareNames(name.c_str(), "UTF-8") == 0) return nullptr;
  UErrorCode status = U_ZERO_ERROR;
  Converter converter(ucnv_open(name.c_str(), &status));
  if (U_FAILURE(status) || converter == nullptr || ucnv_getType(converter.get()) == UCNV_UTF8) {
    return nullptr;
  }
  ucnv_setToUCallBack(converter.get(), SubstituteReplacementCharacter, nullptr, nullptr, nullptr,
                      &status);
  if (U_FAILURE(status)) return nullptr;
  return converter;
}

// The text of the bytes through `converter`, or false when the converter
// fails for any reason but memory (the caller then falls back to UTF-8).
bool DecodeWith(UConverter* converter, const unsigned char* bytes, std::size_t count,
                std::u16string& units) {
  // Few charsets give more UTF-16 units than bytes; the loop grows if needed.
  units.resize(std::max<std::size_t>(count, 64));
  std::size_t written = 0;
  const char* source = reinterpret_cast<const char*>(bytes);
  const char* const end = source + count;
  do {
    const char* const pieceEnd = source + std::min<std::size_t>(end - source, kPiece);
    UErrorCode status = U_BUFFER_OVERFLOW_ERROR;
    while (status == U_BUFFER_OVERFLOW_ERROR) {
      if (units.size() - written < 64) units.resize(units.size() * 2);
      UChar* target = units.data() + written;
      UChar* const targetEnd = target + std::min(units.size() - written, kPiece);
      status = U_ZERO_ERROR;
      ucnv_toUnicode(converter, &target, targetEnd, &source, pieceEnd, nullptr, pieceEnd == end,
                     &status);
      written = static_cast<std::size_t>(target - units.data());
    }
    if (status == U_MEMORY_ALLOCATION_ERROR) {
      STRATA_THROW(Strata::OutOfMemoryException, "Failed to decode text content.");
    }
    if (U_FAILURE(status)) return false;
  } while (source != end);
  units.resize(written);
  return true;
}

// True when the UTF-8 form of `units` is exactly the bytes.
bool EncodesAs(std::u16string_view units, const unsigned char* bytes, std::size_t count) noexcept {
  std::size_t at = 0;
  unsigned char encoded[4];
  for (std::size_t i = 0; i < units.size();) {
    if (units[i] < 0x80) {
      if (at == count || bytes[at] != units[i]) return false;
      ++at;
      ++i;
      continue;
    }
    const unsigned int length = EncodeUtf8Character(units, i, encoded);
    if (count - at < length || std::memcmp(bytes + at, encoded, length) != 0) return false;
    at += length;
  }
  return at == count;
}

// Looks at blocks of units without stopping early inside one, which
// compilers turn into vector compares; far faster than a find on long texts.
bool HasReplacementCharacter(std::u16string_view units) noexcept {
  constexpr std::size_t kBlock = 64;
  std::size_t i = 0;
  for (; units.size() - i >= kBlock; i += kBlock) {
    bool found = false;
    for (std::size_t k = 0; k < kBlock; ++k) found |= units[i + k] == kReplacementCharacter;
    if (found) return true;
  }
  return units.substr(i).find(kReplacementCharacter) != std::u16string_view::npos;
}

}  // namespace

// Like HasReplacementCharacter, it looks at whole blocks so that compilers
// vectorise it.
bool IsAscii(const unsigned char* bytes, std::size_t count) noexcept {
  constexpr std::size_t kBlock = 64;
  std::size_t i = 0;
  for (; count - i >= kBlock; i += kBlock) {
    unsigned char any = 0;
    for (std::size_t k = 0; k < kBlock; ++k) any |= bytes[i + k];
    if (any >= 0x80) return false;
  }
  unsigned char any = 0;
  for (; i < count; ++i) any |= bytes[i];
  return any < 0x80;
}

bool DecodesAsUtf8(const Strata::UniString& charset) { return OpenConverter(charset) == nullptr; }

unsigned int EncodeUtf8Character(std::u16string_view units, std::size_t& index,
                                 unsigned char* out) noexcept {
  char32_t c = units[index++];
  if (c < 0x80) {
    out[0] = static_cast<unsigned char>(c);
    return 1;
  }
  if (c < 0x800) {
    out[0] = static_cast<unsigned char>(0xC0 | (c >> 6));
    out[1] = static_cast<unsigned char>(0x80 | (c & 0x3F));
    return 2;
  }
  if (IsHighSurrogate(static_cast<char16_t>(c)) && index < units.size() &&
      IsLowSurrogate(units[index])) {
    c = 0x10000 + ((c - 0xD800) << 10) + (units[index++] - 0xDC00);
    out[0] = static_cast<unsigned char>(0xF0 | (c >> 18));
    out[1] = static_cast<unsigned char>(0x80 | ((c >> 12) & 0x3F));
    out[2] = static_cast<unsigned char>(0x80 | ((c >> 6) & 0x3F));
    out[3] = static_cast<unsigned char>(0x80 | (c & 0x3F));
    return 4;
  }
  if (IsHighSurrogate(static_cast<char16_t>(c)) || IsLowSurrogate(static_cast<char16_t>(c))) {
    c = kReplacementCharacter;
  }
  out[0] = static_cast<unsigned char>(0xE0 | (c >> 12));
  out[1] = static_cast<unsigned char>(0x80 | ((c >> 6) & 0x3F));
  out[2] = static_cast<unsigned char>(0x80 | (c & 0x3F));
  return 3;
}

std::uint64_t CountUtf8Bytes(std::u16string_view units) noexcept {
  std::uint64_t count = 0;
  for (std::size_t i = 0; i < units.size(); ++i) {
    const char16_t unit = units[i];
    if (unit < 0x80) {
      count += 1;
    } else if (unit < 0x800) {
      count += 2;
    } else if (IsHighSurrogate(unit) && i + 1 < units.size() && IsLowSurrogate(units[i + 1])) {
      count += 4;
      ++i;
    } else {
      count += 3;
    }
  }
  return count;
}

DecodedText DecodeText(const unsigned char* bytes, unsigned int count,
                       const Strata::UniString& charset) {
  const Converter converter = OpenConverter(charset);
  if (converter != nullptr) {
    std::u16string units;
    if (DecodeWith(converter.get(), bytes, count, units)) {
      const bool exact = EncodesAs(units, bytes, count);
      return {Strata::UniString(std::move(units)), exact};
    }
  }
  if (IsAscii(bytes, count)) {
    // Each byte is its own character, so the text gives the bytes back.
    std::u16string units(bytes, bytes + count);
    return {Strata::UniString(std::move(units)), true};
  }
  Strata::UniString text(bytes, count, Strata::CharacterCode::UTF8);
  // Malformed UTF-8 always leaves a U+FFFD; one may also stand for itself.
  const std::u16string_view units = text.GetUnits();
  const bool exact = !HasReplacementCharacter(units) || EncodesAs(units, bytes, count);
  return {std::move(text), exact};
}

}  // namespace Quorum::Server::Mail::Contents::internal
