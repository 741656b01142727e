#include "Strata/UniString.h"

#include <unicode/uchar.h>
#include <unicode/ustring.h>
#include <unicode/utf16.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <new>

#include "Strata/Internal/AsciiBlocks.h"

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

// Copies the leading bytes below 0x80 of `bytes` to `units`, each as its
// own code unit, and returns how many there were. Blocks of eight are tested
// at once, which compilers vectorise.
std::size_t WidenAscii(const char* bytes, std::size_t count, char16_t* units) noexcept {
  std::size_t i = 0;
  for (; count - i >= 8; i += 8) {
    std::uint64_t block;
    std::memcpy(&block, bytes + i, 8);
    if ((block & 0x8080808080808080ull) != 0) break;
    for (std::size_t k = 0; k < 8; ++k) units[i + k] = static_cast<unsigned char>(bytes[i + k]);
  }
  for (; i < count && static_cast<unsigned char>(bytes[i]) < 0x80; ++i) {
    units[i] = static_cast<unsigned char>(bytes[i]);
  }
  return i;
}

// Decodes `count` bytes to `units`, which has room for `count` units (UTF-8
// never needs more UTF-16 units than it has bytes); returns the units
// written.
std::size_t DecodeUtf8(const char* bytes, std::size_t count, char16_t* units) {
  // A byte below 0x80 is a whole character and never part of another one,
  // so a leading run of them is widened here and only the rest meets ICU.
  const std::size_t ascii = WidenAscii(bytes, count, units);
  std::size_t written = ascii;
  ForEachPiece(bytes + ascii, count - ascii, [&](const char* piece, std::size_t size) {
    int32_t length = 0;
    UErrorCode status = U_ZERO_ERROR;
    u_strFromUTF8WithSub(units + written, static_cast<int32_t>(size), &length, piece,
                         static_cast<int32_t>(size), kReplacementCharacter, nullptr, &status);
    CheckConverted(status);
    written += static_cast<std::size_t>(length);
  });
  return written;
}

std::u16string DecodeUtf8(const char* bytes, std::size_t count) {
  std::u16string result;
  if (count == 0) return result;
  result.resize(count);
  result.resize(DecodeUtf8(bytes, count, result.data()));
  return result;
}

// The lower case of a unit below 0x80.
constexpr char16_t LowerAscii(char16_t unit) noexcept {
  return static_cast<char16_t>(unit + (static_cast<char16_t>(unit - u'A') < 26 ? 32 : 0));
}

using internal::IsAsciiBlock;
using internal::LoadBlock;
using internal::LowerAsciiBlock;
using internal::StoreBlock;

// What the step over one block of four units found.
enum class BlockStep { Next, NotAscii, Mismatch };
constexpr std::size_t kMismatch = static_cast<std::size_t>(-1);

// Walks `length` units in blocks of four with `step(offset)`: the whole
// blocks from the start, then, when all of them were ASCII, the last four
// units, overlapping. Returns where the unit-by-unit path takes over (the
// length when nothing is left), or kMismatch when a step found one.
template <typename Step>
std::size_t WalkAsciiBlocks(std::size_t length, Step&& step) {
  if (length < 4) return 0;
  std::size_t i = 0;
  for (; length - i >= 4; i += 4) {
    const BlockStep result = step(i);
    if (result != BlockStep::Next) return result == BlockStep::Mismatch ? kMismatch : i;
  }
  if (i == length) return length;
  const BlockStep last = step(length - 4);
  if (last == BlockStep::Mismatch) return kMismatch;
  return last == BlockStep::NotAscii ? i : length;
}

// Lower case of one code point, kept only when it has the same UTF-16 length.
UChar32 LowerCodePoint(UChar32 c) noexcept {
  if (c < 0x80) return (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c;
  const UChar32 lower = u_tolower(c);
  return U16_LENGTH(lower) == U16_LENGTH(c) ? lower : c;
}

// The general cases of the case operations, from unit `i` on, code point by
// code point; out of line, so that the ASCII paths stay small.
[[gnu::noinline]] bool EqualIgnoringCaseFrom(const char16_t* a, const char16_t* b,
                                             std::size_t length, std::size_t i) noexcept {
  // Both sides advance together: where one holds a surrogate pair and the
  // other does not, the code points differ in length and so in lower case,
  // and the comparison ends.
  while (i < length) {
    if (a[i] < 0x80 && b[i] < 0x80) {
      if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
      ++i;
      continue;
    }
    std::size_t j = i;
    UChar32 ca;
    UChar32 cb;
    U16_NEXT(a, i, length, ca);
    U16_NEXT(b, j, length, cb);
    if (i != j || (ca != cb && LowerCodePoint(ca) != LowerCodePoint(cb))) return false;
  }
  return true;
}

[[gnu::noinline]] bool LowerCaseEqualsFrom(std::u16string_view text, std::u16string_view lower,
                                           std::size_t i) noexcept {
  const std::size_t length = text.size();
  const char16_t* data = text.data();
  while (i < length) {
    if (data[i] < 0x80) {
      if (LowerAscii(data[i]) != lower[i]) return false;
      ++i;
      continue;
    }
    // One code point as LowerCaseUnits lowers it: the same number of units.
    const std::size_t start = i;
    UChar32 c;
    U16_NEXT(data, i, length, c);
    char16_t lowered[2];
    std::size_t count = 0;
    U16_APPEND_UNSAFE(lowered, count, LowerCodePoint(c));
    if (lower.substr(start, i - start) != std::u16string_view(lowered, count)) return false;
  }
  return true;
}

[[gnu::noinline]] void LowerCaseUnitsFrom(std::u16string_view source, char16_t* target,
                                          std::size_t i) noexcept {
  const std::size_t length = source.size();
  const char16_t* data = source.data();
  while (i < length) {
    if (data[i] < 0x80) {
      target[i] = LowerAscii(data[i]);
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
    : UniString(utf8, utf8 == nullptr ? 0u : static_cast<unsigned int>(std::strlen(utf8)),
                CharacterCode::UTF8) {}

UniString::UniString(const char* bytes, unsigned int count, CharacterCode) {
  if (bytes == nullptr || count == 0) return;
  if (count <= kInlineLength) {
    length_ = static_cast<std::uint32_t>(DecodeUtf8(bytes, count, inline_));
  } else {
    new (&units_) std::u16string(DecodeUtf8(bytes, count));
    long_ = true;
  }
}

UniString::UniString(const unsigned char* bytes, unsigned int count, CharacterCode code)
    : UniString(reinterpret_cast<const char*>(bytes), count, code) {}

UniString::UniString(std::u16string_view units) {
  if (units.size() <= kInlineLength) {
    std::copy(units.begin(), units.end(), inline_);
    length_ = static_cast<std::uint32_t>(units.size());
  } else {
    new (&units_) std::u16string(units);
    long_ = true;
  }
}

UniString::UniString(std::u16string&& units) noexcept {
  if (units.size() <= kInlineLength) {
    std::copy(units.begin(), units.end(), inline_);
    length_ = static_cast<std::uint32_t>(units.size());
  } else {
    new (&units_) std::u16string(std::move(units));
    long_ = true;
  }
}

UniString& UniString::Assign(const UniString& other) {
  if (this == &other) return *this;
  const std::u16string_view units = other.GetUnits();
  if (!long_ && units.size() <= kInlineLength) {
    std::copy(units.begin(), units.end(), inline_);
    length_ = static_cast<std::uint32_t>(units.size());
  } else if (long_ && units.size() <= units_.capacity()) {
    // Within the capacity: no allocation, no failure. The other text's units
    // lie elsewhere, so they can be copied after the resize.
    units_.resize(units.size());
    std::copy(units.begin(), units.end(), units_.data());
  } else {
    UniString copy(units);
    *this = std::move(copy);
  }
  return *this;
}

UniString& UniString::Append(std::u16string_view units) {
  if (long_) {
    units_.append(units);
    return *this;
  }
  const std::size_t length = length_ + units.size();
  if (length <= kInlineLength) {
    // `units` may lie in inline_, but before length_, so nothing overlaps.
    std::copy(units.begin(), units.end(), inline_ + length_);
    length_ = static_cast<std::uint32_t>(length);
    return *this;
  }
  // The inline units stay untouched until the long form is complete, so
  // `units` may still point into them.
  std::u16string grown;
  grown.reserve(std::max<std::size_t>(length, 2 * kInlineLength));
  grown.append(inline_, length_).append(units);
  new (&units_) std::u16string(std::move(grown));
  long_ = true;
  return *this;
}

void UniString::Grow(unsigned int length) {
  if (long_) {
    units_.reserve(length);
  } else {
    MakeLong(length);
  }
}

void UniString::MakeLong(std::size_t capacity) {
  std::u16string grown;
  grown.reserve(capacity);
  grown.assign(inline_, length_);
  new (&units_) std::u16string(std::move(grown));
  long_ = true;
}

void UniString::SwapSlowly(UniString& other) noexcept {
  if (this == &other) return;
  if (long_ && other.long_) {
    units_.swap(other.units_);
    return;
  }
  UniString taken(std::move(other));
  other = std::move(*this);
  *this = std::move(taken);
}

void UniString::TakeLong(UniString& other) noexcept {
  new (&units_) std::u16string(std::move(other.units_));
  long_ = true;
  other.Destroy();
}

void UniString::DestroyLong() noexcept {
  units_.~basic_string();
  long_ = false;
}

bool UniString::IsEqual(const UniString& other, CaseSensitivity sensitivity) const noexcept {
  if (sensitivity == CaseSensitivity::Sensitive) return *this == other;
  const std::size_t length = GetLength();
  if (length != other.GetLength()) return false;
  const UChar* a = Data();
  const UChar* b = other.Data();
  const std::size_t from = WalkAsciiBlocks(length, [&](std::size_t at) {
    const std::uint64_t blockA = LoadBlock(a + at);
    const std::uint64_t blockB = LoadBlock(b + at);
    if (!IsAsciiBlock(blockA | blockB)) return BlockStep::NotAscii;
    return LowerAsciiBlock(blockA) == LowerAsciiBlock(blockB) ? BlockStep::Next
                                                              : BlockStep::Mismatch;
  });
  return from == length || (from != kMismatch && EqualIgnoringCaseFrom(a, b, length, from));
}

bool UniString::LowerCaseEquals(std::u16string_view text, std::u16string_view lower) noexcept {
  if (text.size() != lower.size()) return false;
  const std::size_t from = WalkAsciiBlocks(text.size(), [&](std::size_t at) {
    const std::uint64_t block = LoadBlock(text.data() + at);
    if (!IsAsciiBlock(block)) return BlockStep::NotAscii;
    return LowerAsciiBlock(block) == LoadBlock(lower.data() + at) ? BlockStep::Next
                                                                  : BlockStep::Mismatch;
  });
  return from == text.size() || (from != kMismatch && LowerCaseEqualsFrom(text, lower, from));
}

UniString& UniString::SetToLowerCase() {
  LowerCaseUnits(GetUnits(), Data());
  return *this;
}

void UniString::LowerCaseUnits(std::u16string_view source, char16_t* target) noexcept {
  // In place, the last block may lower units lowered already: no change.
  const std::size_t from = WalkAsciiBlocks(source.size(), [&](std::size_t at) {
    const std::uint64_t block = LoadBlock(source.data() + at);
    if (!IsAsciiBlock(block)) return BlockStep::NotAscii;
    StoreBlock(target + at, LowerAsciiBlock(block));
    return BlockStep::Next;
  });
  if (from < source.size()) LowerCaseUnitsFrom(source, target, from);
}

bool UniString::BeginsWith(const UniString& prefix) const noexcept {
  return GetUnits().starts_with(prefix.GetUnits());
}

unsigned int UniString::FindFirst(UniChar character, unsigned int from) const noexcept {
  const std::size_t at = GetUnits().find(static_cast<char16_t>(character), from);
  return at == std::u16string_view::npos ? NotFound : static_cast<unsigned int>(at);
}

unsigned int UniString::FindLast(UniChar character) const noexcept {
  const std::size_t at = GetUnits().rfind(static_cast<char16_t>(character));
  return at == std::u16string_view::npos ? NotFound : static_cast<unsigned int>(at);
}

UniString UniString::GetSubstring(unsigned int start, unsigned int length) const {
  const std::u16string_view units = GetUnits();
  if (start >= units.size()) return UniString();
  return UniString(units.substr(start, length));
}

unsigned int UniString::GenerateHashValue() const noexcept {
  std::uint32_t hash = 2166136261u;
  for (const char16_t unit : GetUnits()) {
    hash ^= unit;
    hash *= 16777619u;
  }
  return hash;
}

std::string UniString::ToCStr() const {
  std::string result;
  const std::u16string_view units = GetUnits();
  if (units.empty()) return result;
  // One UTF-16 unit never needs more than three UTF-8 bytes.
  result.resize(units.size() * 3);
  std::size_t written = 0;
  ForEachPiece(units.data(), units.size(), [&](const char16_t* piece, std::size_t size) {
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
        out.append(a.text->GetUnits());
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

UniString::UniString(std::string_view utf8) {
  if (utf8.size() <= kInlineLength) {
    length_ = static_cast<std::uint32_t>(DecodeUtf8(utf8.data(), utf8.size(), inline_));
  } else {
    new (&units_) std::u16string(DecodeUtf8(utf8.data(), utf8.size()));
    long_ = true;
  }
}

}  // namespace Strata
