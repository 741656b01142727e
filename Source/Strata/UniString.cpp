#include "Strata/UniString.h"

#include <unicode/uchar.h>
#include <unicode/ustring.h>
#include <unicode/utf16.h>

#include <algorithm>
#include <cstring>
#include <new>

namespace Strata {
namespace {

constexpr UChar32 kReplacementCharacter = 0xFFFD;

// ICU takes int32_t lengths, so texts pass through it in pieces of at most
// this many bytes or units. Pieces are small enough that the splitting is
// exercised by ordinary tests.
constexpr std::size_t kPiece = std::size_t{1} << 20;

// Where a piece of UTF-8 may end: before the lead byte of a sequence that
// would run past `end`. A decoder takes at most the lead's length from its
// lead byte on, and every other byte is a sequence of its own, so a cut
// there decodes exactly as the whole text does, malformed bytes included.
std::size_t PieceEnd(const char* bytes, std::size_t end) noexcept {
  for (std::size_t back = 1; back <= 3 && back <= end; ++back) {
    const auto byte = static_cast<unsigned char>(bytes[end - back]);
    if ((byte & 0xC0) == 0x80) continue;  // a continuation byte: look further back
    const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
    return length > back ? end - back : end;
  }
  return end;
}

// Where a piece of UTF-16 may end: not between the units of a surrogate pair.
std::size_t PieceEnd(const char16_t* units, std::size_t end) noexcept {
  return U16_IS_LEAD(units[end - 1]) ? end - 1 : end;
}

// Calls `convert(first, count)` for consecutive pieces of `text`, each at
// most kPiece long and cut only where PieceEnd allows.
template <typename Unit, typename Convert>
void ForEachPiece(const Unit* text, std::size_t count, Convert&& convert) {
  while (count > 0) {
    const std::size_t piece = count <= kPiece ? count : PieceEnd(text, kPiece);
    convert(text, piece);
    text += piece;
    count -= piece;
  }
}

// ICU fails here only when it cannot work at all: the targets always have
// room. That is a resource failure, reported as the standard library
// reports one, which keeps UniString beneath the exceptions that carry it.
void CheckConverted(UErrorCode status) {
  if (U_FAILURE(status)) throw std::bad_alloc();
}

std::u16string DecodeUtf8(const char* bytes, std::size_t count) {
  std::u16string result;
  if (count == 0) return result;
  // UTF-8 never needs more UTF-16 units than it has bytes.
  result.resize(count);
  std::size_t written = 0;
  ForEachPiece(bytes, count, [&](const char* piece, std::size_t size) {
    int32_t length = 0;
    UErrorCode status = U_ZERO_ERROR;
    u_strFromUTF8WithSub(result.data() + written, static_cast<int32_t>(size), &length, piece,
                         static_cast<int32_t>(size), kReplacementCharacter, nullptr, &status);
    CheckConverted(status);
    written += static_cast<std::size_t>(length);
  });
  result.resize(written);
  return result;
}

// Lower case of one code point, kept only when it has the same UTF-16 length.
UChar32 LowerCodePoint(UChar32 c) noexcept {
  if (c < 0x80) return (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c;
  const UChar32 lower = u_tolower(c);
  return U16_LENGTH(lower) == U16_LENGTH(c) ? lower : c;
}

void AppendDecimal(std::u16string& out, unsigned long long value, bool negative) {
  char16_t digits[24];
  int n = 0;
  do {
    digits[n++] = static_cast<char16_t>(u'0' + value % 10);
    value /= 10;
  } while (value != 0);
  if (negative) out.push_back(u'-');
  while (n > 0) out.push_back(digits[--n]);
}

}  // namespace

UniString::UniString(const char* utf8)
    : units_(utf8 == nullptr ? std::u16string() : DecodeUtf8(utf8, std::strlen(utf8))) {}

UniString::UniString(const char* bytes, unsigned int count, CharacterCode)
    : units_(bytes == nullptr ? std::u16string() : DecodeUtf8(bytes, count)) {}

UniString::UniString(const unsigned char* bytes, unsigned int count, CharacterCode code)
    : UniString(reinterpret_cast<const char*>(bytes), count, code) {}

UniString::UniString(std::u16string_view units) : units_(units) {}

bool UniString::IsEqual(const UniString& other, CaseSensitivity sensitivity) const noexcept {
  if (sensitivity == CaseSensitivity::Sensitive) return units_ == other.units_;
  const std::size_t length = units_.size();
  if (length != other.units_.size()) return false;
  const UChar* a = units_.data();
  const UChar* b = other.units_.data();
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < length && j < length) {
    UChar32 ca;
    UChar32 cb;
    U16_NEXT(a, i, length, ca);
    U16_NEXT(b, j, length, cb);
    if (ca != cb && LowerCodePoint(ca) != LowerCodePoint(cb)) return false;
  }
  return i == j;
}

UniString& UniString::SetToLowerCase() {
  LowerCaseUnits(units_, units_.data());
  return *this;
}

void UniString::LowerCaseUnits(std::u16string_view source, char16_t* target) noexcept {
  const std::size_t length = source.size();
  const UChar* data = source.data();
  std::size_t i = 0;
  while (i < length) {
    if (data[i] < 0x80) {
      const char16_t unit = data[i];
      target[i] = unit >= u'A' && unit <= u'Z' ? static_cast<char16_t>(unit + 32) : unit;
      ++i;
      continue;
    }
    const std::size_t start = i;
    UChar32 c;
    U16_NEXT(data, i, length, c);
    std::size_t at = start;
    // The mapping keeps the length, so the write cannot run past `i`.
    U16_APPEND_UNSAFE(target, at, LowerCodePoint(c));
  }
}

bool UniString::BeginsWith(const UniString& prefix) const noexcept {
  return std::u16string_view(units_).starts_with(prefix.units_);
}

unsigned int UniString::FindFirst(UniChar character, unsigned int from) const noexcept {
  const std::size_t at = units_.find(static_cast<char16_t>(character), from);
  return at == std::u16string::npos ? NotFound : static_cast<unsigned int>(at);
}

unsigned int UniString::FindLast(UniChar character) const noexcept {
  const std::size_t at = units_.rfind(static_cast<char16_t>(character));
  return at == std::u16string::npos ? NotFound : static_cast<unsigned int>(at);
}

UniString UniString::GetSubstring(unsigned int start, unsigned int length) const {
  if (start >= units_.size()) return UniString();
  return UniString(std::u16string_view(units_).substr(start, length));
}

unsigned int UniString::GenerateHashValue() const noexcept {
  std::uint32_t hash = 2166136261u;
  for (const char16_t unit : units_) {
    hash ^= unit;
    hash *= 16777619u;
  }
  return hash;
}

std::string UniString::ToCStr() const {
  std::string result;
  if (units_.empty()) return result;
  // One UTF-16 unit never needs more than three UTF-8 bytes.
  result.resize(units_.size() * 3);
  std::size_t written = 0;
  ForEachPiece(units_.data(), units_.size(), [&](const char16_t* piece, std::size_t size) {
    int32_t length = 0;
    UErrorCode status = U_ZERO_ERROR;
    u_strToUTF8WithSub(result.data() + written, static_cast<int32_t>(size * 3), &length, piece,
                       static_cast<int32_t>(size), kReplacementCharacter, nullptr, &status);
    CheckConverted(status);
    written += static_cast<std::size_t>(length);
  });
  result.resize(written);
  return result;
}

UniString UniString::FormatImpl(const char* format, const internal::FormatArgument* arguments,
                                std::size_t count) {
  using Kind = internal::FormatArgument::Kind;
  std::u16string out;
  std::size_t next = 0;
  const char* literal = format;
  auto flushLiteral = [&](const char* end) {
    if (end > literal) {
      out.append(DecodeUtf8(literal, static_cast<std::size_t>(end - literal)));
    }
  };
  for (const char* p = format; *p != '\0'; ++p) {
    if (*p != '%') continue;
    flushLiteral(p);
    ++p;
    literal = p + 1;
    if (*p == '%') {
      out.push_back(u'%');
      continue;
    }
    if (next >= count) break;  // unreachable: the format was checked at compile time
    const internal::FormatArgument& a = arguments[next++];
    switch (a.kind) {
      case Kind::Text:
        out.append(a.text->units_);
        break;
      case Kind::Unsigned:
        AppendDecimal(out, a.unsignedValue, false);
        break;
      case Kind::Signed:
        AppendDecimal(out,
                      a.signedValue < 0 ? 0ull - static_cast<unsigned long long>(a.signedValue)
                                        : static_cast<unsigned long long>(a.signedValue),
                      a.signedValue < 0);
        break;
      case Kind::CString:
        if (a.cString != nullptr) out.append(DecodeUtf8(a.cString, std::strlen(a.cString)));
        break;
    }
  }
  flushLiteral(literal + std::strlen(literal));
  return UniString(std::move(out));
}

}  // namespace Strata

namespace Strata {

UniString::UniString(std::string_view utf8) : units_(DecodeUtf8(utf8.data(), utf8.size())) {}

}  // namespace Strata
