// UniString is Unicode text held as UTF-16 code units. It is a value type:
// copies are independent and every operation is bounded by the text's length.
//
// Text enters as UTF-8 (malformed bytes become U+FFFD) or as UTF-16 and leaves
// as UTF-8 through ToCStr() (a lone surrogate becomes U+FFFD there; inside a
// UniString and on typed channels it is kept as it is).
//
// Case-insensitive operations use ICU's simple, per-code-point lower-case
// mapping, restricted to mappings that keep the UTF-16 length. So
// SetToLowerCase never changes GetLength(), and IsEqual(other, Insensitive) is
// true exactly when both lower-cased copies are equal.
//
// Not thread-safe for concurrent mutation; concurrent reads are fine.
#pragma once

#include <compare>
#include <cstddef>
#include <limits>
#include <string>
#include <string_view>
#include <type_traits>

#include "Strata/Export.h"
#include "Strata/Hashing.h"
#include "Strata/UniChar.h"

namespace Strata {

enum class CharacterCode { UTF8 };

enum class CaseSensitivity { Sensitive, Insensitive };

class UniString;

namespace internal {

// One argument of UniString::Format, captured without copying.
struct FormatArgument {
  enum class Kind { Text, Unsigned, Signed, CString } kind;
  union {
    const UniString* text;
    unsigned int unsignedValue;
    int signedValue;
    const char* cString;
  };
};

template <typename T>
consteval char FormatConversionOf() {
  using U = std::remove_cvref_t<std::decay_t<T>>;
  if constexpr (std::is_same_v<U, UniString>) {
    return 'T';
  } else if constexpr (std::is_same_v<U, unsigned int>) {
    return 'u';
  } else if constexpr (std::is_same_v<U, int>) {
    return 'd';
  } else if constexpr (std::is_same_v<U, const char*> || std::is_same_v<U, char*>) {
    return 's';
  } else {
    return '?';
  }
}

// Called only when a format string does not match its arguments; being
// non-constexpr, it turns the mismatch into a compile-time error.
void FormatStringDoesNotMatchItsArguments();

template <typename... Args>
class FormatString {
 public:
  template <typename S>
  requires std::is_convertible_v<const S&, const char*>
  consteval FormatString(const S& text) : text_(text) {
    constexpr char expected[] = {FormatConversionOf<Args>()..., '\0'};
    std::size_t next = 0;
    for (const char* p = text_; *p != '\0'; ++p) {
      if (*p != '%') continue;
      ++p;
      if (*p == '%') continue;
      if (next >= sizeof...(Args) || *p != expected[next]) {
        FormatStringDoesNotMatchItsArguments();
      }
      ++next;
    }
    if (next != sizeof...(Args)) FormatStringDoesNotMatchItsArguments();
  }
  constexpr const char* Get() const noexcept { return text_; }

 private:
  const char* text_;
};

}  // namespace internal

class STRATA_EXPORT UniString {
 public:
  // Returned by FindFirst and FindLast when the character is absent; as a
  // length it means "to the end".
  static constexpr unsigned int NotFound = std::numeric_limits<unsigned int>::max();

  UniString() = default;
  // Decodes zero-terminated UTF-8; a null pointer gives the empty text.
  UniString(const char* utf8);
  // Decodes `count` bytes; embedded zero bytes are kept as U+0000.
  UniString(const char* bytes, unsigned int count, CharacterCode code);
  UniString(const unsigned char* bytes, unsigned int count, CharacterCode code);
  // Decodes UTF-8 as the const char* form does, embedded zero bytes kept.
  explicit UniString(std::string_view utf8);
  UniString(std::u16string_view units);
  // Zero-terminated UTF-16, such as u"..." (which would otherwise match both
  // the view and the string constructor); a null pointer gives the empty text.
  UniString(const char16_t* units)
      : UniString(units == nullptr ? std::u16string_view() : std::u16string_view(units)) {}
  UniString(std::u16string&& units) noexcept : units_(std::move(units)) {}

  unsigned int GetLength() const noexcept { return static_cast<unsigned int>(units_.size()); }
  bool IsEmpty() const noexcept { return units_.empty(); }

  // REQUIRES: index < GetLength().
  UniChar operator[](unsigned int index) const noexcept { return units_[index]; }

  UniString& Append(const UniString& other) {
    units_.append(other.units_);
    return *this;
  }
  UniString& Append(UniChar character) {
    units_.push_back(character);
    return *this;
  }
  UniString& Append(std::u16string_view units) {
    units_.append(units);
    return *this;
  }
  // A zero-terminated UTF-16 text such as u"..."; null appends nothing.
  UniString& Append(const char16_t* units) {
    if (units != nullptr) units_.append(units);
    return *this;
  }
  UniString& operator+=(const UniString& other) { return Append(other); }
  UniString& operator+=(UniChar character) { return Append(character); }
  friend UniString operator+(UniString left, const UniString& right) {
    left.Append(right);
    return left;
  }

  void Clear() noexcept { units_.clear(); }
  void Reserve(unsigned int length) { units_.reserve(length); }

  // Exact comparison of the code units.
  friend bool operator==(const UniString&, const UniString&) = default;
  // Code-unit order (lexicographic over the unsigned 16-bit units); fixed,
  // independent of locale and case.
  friend std::strong_ordering operator<=>(const UniString& a, const UniString& b) noexcept {
    return a.units_ <=> b.units_;
  }

  bool IsEqual(const UniString& other, CaseSensitivity sensitivity) const noexcept;

  // Lower-cases the text in place; the length never changes.
  UniString& SetToLowerCase();
  // Writes the lower case of `source`, as SetToLowerCase makes it, to the
  // source.size() units at `target` (which may be source.data()).
  static void LowerCaseUnits(std::u16string_view source, char16_t* target) noexcept;

  // Exact prefix test; every text begins with the empty text.
  bool BeginsWith(const UniString& prefix) const noexcept;

  // Position of the first (last) occurrence of `character`, or NotFound.
  // FindFirst starts looking at `from`.
  unsigned int FindFirst(UniChar character, unsigned int from = 0) const noexcept;
  unsigned int FindLast(UniChar character) const noexcept;

  // The characters from `start`, at most `length` of them (NotFound: to the
  // end). A start beyond the end gives the empty text.
  UniString GetSubstring(unsigned int start, unsigned int length = NotFound) const;

  // 32-bit FNV-1a over the code units, each taken as its 16-bit value. The
  // result is fixed across runs, builds and machines, so callers may store it.
  unsigned int GenerateHashValue() const noexcept;

  // The text as UTF-8; the result holds every character, U+0000 included.
  std::string ToCStr() const;

  // The same as ToCStr(), under the name the standard library would use.
  std::string ToUtf8() const { return ToCStr(); }

  // The code units; valid until the text changes.
  std::u16string_view GetUnits() const noexcept { return units_; }
  explicit operator std::u16string_view() const noexcept { return units_; }

  void Swap(UniString& other) noexcept { units_.swap(other.units_); }

  // printf-style formatting, checked against the argument types at compile
  // time: %T takes a UniString (inserted verbatim), %u an unsigned int, %d an
  // int, %s a const char* (UTF-8), %% gives a percent sign.
  template <typename... Args>
  static UniString Format(internal::FormatString<std::type_identity_t<Args>...> format,
                          const Args&... args) {
    const internal::FormatArgument captured[] = {Capture(args)..., Capture(0)};
    return FormatImpl(format.Get(), captured, sizeof...(Args));
  }

 private:
  static internal::FormatArgument Capture(const UniString& value) {
    internal::FormatArgument a{internal::FormatArgument::Kind::Text, {}};
    a.text = &value;
    return a;
  }
  static internal::FormatArgument Capture(unsigned int value) {
    internal::FormatArgument a{internal::FormatArgument::Kind::Unsigned, {}};
    a.unsignedValue = value;
    return a;
  }
  static internal::FormatArgument Capture(int value) {
    internal::FormatArgument a{internal::FormatArgument::Kind::Signed, {}};
    a.signedValue = value;
    return a;
  }
  static internal::FormatArgument Capture(const char* value) {
    internal::FormatArgument a{internal::FormatArgument::Kind::CString, {}};
    a.cString = value;
    return a;
  }
  static UniString FormatImpl(const char* format, const internal::FormatArgument* arguments,
                              std::size_t count);

  std::u16string units_;
};

}  // namespace Strata

STRATA_HASH_BY_VALUE(Strata::UniString);

#include "Strata/TextOutput.h"
