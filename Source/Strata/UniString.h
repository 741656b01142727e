#pragma once

#include <algorithm>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <new>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "Strata/Export.h"
#include "Strata/Hashing.h"
#include "Strata/UniChar.h"

namespace Strata {

/// The byte encodings UniString decodes from.
enum class CharacterCode {
  UTF8  ///< UTF-8; malformed bytes become U+FFFD.
};

/// Whether a comparison tells upper from lower case.
enum class CaseSensitivity {
  Sensitive,   ///< Code units compared exactly.
  Insensitive  ///< Both texts compared lower-cased, as SetToLowerCase makes them.
};

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

/// Unicode text held as UTF-16 code units.
///
/// A value type: copies are independent and every operation is bounded by
/// the text's length. Text enters as UTF-8 (malformed bytes become U+FFFD)
/// or as UTF-16 and leaves as UTF-8 through ToCStr() (a lone surrogate
/// becomes U+FFFD there; inside a UniString and on typed channels it is kept
/// as it is).
///
/// Case-insensitive operations use ICU's simple, per-code-point lower-case
/// mapping, restricted to mappings that keep the UTF-16 length. So
/// SetToLowerCase never changes GetLength(), and IsEqual(other, Insensitive)
/// is true exactly when both lower-cased copies are equal.
///
/// Texts of up to kInlineLength units are held inside the object, longer
/// ones in a std::u16string, so short names and values cost no allocation.
///
/// Not thread-safe for concurrent mutation; concurrent reads are fine.
class STRATA_EXPORT UniString {
 public:
  /// Returned by FindFirst and FindLast when the character is absent; as a
  /// length it means "to the end".
  static constexpr unsigned int NotFound = std::numeric_limits<unsigned int>::max();

  /// The number of units a text holds without allocating.
  static constexpr unsigned int kInlineLength = 20;

  /// The empty text.
  UniString() noexcept {}
  /// A copy of the other text's units.
  UniString(const UniString& other) : UniString(other.GetUnits()) {}
  /// Takes the other text's units and leaves it empty.
  UniString(UniString&& other) noexcept { TakeFrom(other); }
  /// Reuses this text's storage when it is large enough; otherwise builds
  /// the copy first, so a failure leaves this text as it was.
  UniString& operator=(const UniString& other) {
    if (long_ || other.long_ || this == &other) return Assign(other);
    std::memcpy(inline_, other.inline_, sizeof inline_);  // fixed size: cheaper
    length_ = other.length_;
    return *this;
  }
  /// Takes the other text's units and leaves it empty.
  UniString& operator=(UniString&& other) noexcept {
    if (this != &other) {
      Destroy();
      TakeFrom(other);
    }
    return *this;
  }
  ~UniString() { Destroy(); }

  /// Decodes zero-terminated UTF-8; a null pointer gives the empty text.
  UniString(const char* utf8);
  /// Decodes `count` bytes; embedded zero bytes are kept as U+0000.
  ///@{
  UniString(const char* bytes, unsigned int count, CharacterCode code);
  UniString(const unsigned char* bytes, unsigned int count, CharacterCode code);
  ///@}
  /// Decodes UTF-8 as the const char* form does, embedded zero bytes kept.
  /// Implicit, so text held in the standard strings goes wherever a
  /// UniString is taken; a literal still picks the const char* form.
  ///@{
  UniString(std::string_view utf8);
  UniString(const std::string& utf8) : UniString(std::string_view(utf8)) {}
  ///@}
  /// A copy of the UTF-16 code units, lone surrogates included.
  UniString(std::u16string_view units);
  /// Zero-terminated UTF-16, such as u"..." (which would otherwise match both
  /// the view and the string constructor); a null pointer gives the empty
  /// text.
  UniString(const char16_t* units)
      : UniString(units == nullptr ? std::u16string_view() : std::u16string_view(units)) {}
  /// Takes the units of `units`; a short text is copied inside the object.
  UniString(std::u16string&& units) noexcept;

  /// The number of UTF-16 code units (not characters).
  unsigned int GetLength() const noexcept {
    return static_cast<unsigned int>(long_ ? units_.size() : length_);
  }
  /// True for the empty text.
  bool IsEmpty() const noexcept { return GetLength() == 0; }

  /// The code unit at `index`. REQUIRES: index < GetLength().
  UniChar operator[](unsigned int index) const noexcept { return Data()[index]; }

  /// Appends the units of `other`, one unit, or a view's units; returns this
  /// text.
  ///@{
  UniString& Append(const UniString& other) { return Append(other.GetUnits()); }
  UniString& Append(UniChar character) {
    const char16_t unit = character;
    return Append(std::u16string_view(&unit, 1));
  }
  UniString& Append(std::u16string_view units);
  ///@}
  /// Appends a zero-terminated UTF-16 text such as u"..."; null appends
  /// nothing.
  UniString& Append(const char16_t* units) {
    if (units != nullptr) Append(std::u16string_view(units));
    return *this;
  }
  /// As Append.
  ///@{
  UniString& operator+=(const UniString& other) { return Append(other); }
  UniString& operator+=(UniChar character) { return Append(character); }
  ///@}
  /// The units of `left`, then those of `right`.
  friend UniString operator+(UniString left, const UniString& right) {
    left.Append(right);
    return left;
  }

  /// Empties the text; its storage stays for reuse.
  void Clear() noexcept {
    if (long_) {
      units_.clear();
    } else {
      length_ = 0;
    }
  }
  /// Makes room for `length` units, so appending up to that length and
  /// assigning a text that short do not allocate.
  void Reserve(unsigned int length) {
    if (length > (long_ ? units_.capacity() : kInlineLength)) Grow(length);
  }

  /// Exact comparison of the code units.
  friend bool operator==(const UniString& a, const UniString& b) noexcept {
    const std::u16string_view x = a.GetUnits();
    const std::u16string_view y = b.GetUnits();
    // Equal bytes are equal units; memcmp is far quicker than a unit loop.
    return x.size() == y.size() &&
           (x.empty() || std::memcmp(x.data(), y.data(), x.size() * sizeof(char16_t)) == 0);
  }
  /// Code-unit order (lexicographic over the unsigned 16-bit units); fixed,
  /// independent of locale and case.
  friend std::strong_ordering operator<=>(const UniString& a, const UniString& b) noexcept {
    return a.GetUnits() <=> b.GetUnits();
  }

  /// Equal code units (Sensitive), or equal lower-cased copies
  /// (Insensitive).
  bool IsEqual(const UniString& other, CaseSensitivity sensitivity) const noexcept;

  /// Lower-cases the text in place and returns it; the length never
  /// changes.
  UniString& SetToLowerCase();
  /// Writes the lower case of `source`, as SetToLowerCase makes it, to the
  /// source.size() units at `target` (which may be source.data()).
  static void LowerCaseUnits(std::u16string_view source, char16_t* target) noexcept;
  /// True when `text`, lower-cased as SetToLowerCase does it, is exactly
  /// `lower`; no lower-cased copy is built.
  static bool LowerCaseEquals(std::u16string_view text, std::u16string_view lower) noexcept;

  /// Exact prefix test; every text begins with the empty text.
  bool BeginsWith(const UniString& prefix) const noexcept;

  /// The position of the first occurrence of `character` at or after
  /// `from`, or NotFound.
  unsigned int FindFirst(UniChar character, unsigned int from = 0) const noexcept;
  /// The position of the last occurrence of `character`, or NotFound.
  unsigned int FindLast(UniChar character) const noexcept;

  /// The characters from `start`, at most `length` of them (NotFound: to the
  /// end). A start beyond the end gives the empty text.
  UniString GetSubstring(unsigned int start, unsigned int length = NotFound) const;

  /// 32-bit FNV-1a over the code units, each taken as its 16-bit value. The
  /// result is fixed across runs, builds and machines, so callers may store
  /// it.
  unsigned int GenerateHashValue() const noexcept;

  /// The text as UTF-8; the result holds every character, U+0000 included.
  std::string ToCStr() const;

  /// The same as ToCStr(), under the name the standard library would use.
  std::string ToUtf8() const { return ToCStr(); }

  /// The code units; valid until the text changes.
  std::u16string_view GetUnits() const noexcept {
    return long_ ? std::u16string_view(units_) : std::u16string_view(inline_, length_);
  }
  /// As GetUnits().
  explicit operator std::u16string_view() const noexcept { return GetUnits(); }

  /// Exchanges the units.
  void Swap(UniString& other) noexcept {
    if (long_ || other.long_ || this == &other) {
      SwapSlowly(other);
      return;
    }
    char16_t mine[kInlineLength];
    std::memcpy(mine, inline_, sizeof inline_);
    std::memcpy(inline_, other.inline_, sizeof inline_);
    std::memcpy(other.inline_, mine, sizeof inline_);
    std::swap(length_, other.length_);
  }

  /// printf-style formatting, checked against the argument types at compile
  /// time: "%T" takes a UniString (inserted verbatim), "%u" an unsigned int,
  /// "%d" an int, "%s" a const char* (UTF-8), "%%" gives a percent sign. The
  /// format itself is UTF-8.
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

  const char16_t* Data() const noexcept { return long_ ? units_.data() : inline_; }
  char16_t* Data() noexcept { return long_ ? units_.data() : inline_; }
  // IChannelX reads a text's units straight into its storage.
  friend class IChannelX;
  // A text of `length` units, which `fill(char16_t* units)` writes into its
  // storage (for a long text, after zero-filling it).
  template <typename Fill>
  static UniString Filled(std::size_t length, Fill&& fill) {
    // One object returned on every path, so it is built in the caller's
    // place rather than copied there.
    UniString text;
    if (length <= kInlineLength) {
      fill(text.inline_);
      text.length_ = static_cast<std::uint32_t>(length);
    } else {
      std::u16string units(length, u'\0');
      fill(units.data());
      new (&text.units_) std::u16string(std::move(units));
      text.long_ = true;
    }
    return text;
  }

  // The general cases of operator= and Reserve.
  UniString& Assign(const UniString& other);
  void Grow(unsigned int length);
  // Takes the other text's units and leaves it empty and inline. REQUIRES:
  // this text is empty and inline. The whole inline buffer is copied, since
  // a fixed-size copy is cheaper than one of the units in use.
  void TakeFrom(UniString& other) noexcept {
    if (other.long_) {
      TakeLong(other);
      return;
    }
    std::memcpy(inline_, other.inline_, sizeof inline_);
    length_ = other.length_;
    other.length_ = 0;
  }
  // Ends the long form, if any; the text is then empty and inline.
  void Destroy() noexcept {
    if (long_) DestroyLong();
    length_ = 0;
  }
  void TakeLong(UniString& other) noexcept;
  void DestroyLong() noexcept;
  void SwapSlowly(UniString& other) noexcept;
  // Switches to the long form with room for `capacity` units, keeping the
  // units; nothing changes if that throws.
  STRATA_LOCAL void MakeLong(std::size_t capacity);

  // Inline: `length_` units in inline_. Long: units_ (whatever its length).
  union {
    char16_t inline_[kInlineLength];
    std::u16string units_;
  };
  std::uint32_t length_ = 0;
  bool long_ = false;
};

}  // namespace Strata

STRATA_HASH_BY_VALUE(Strata::UniString);

#include "Strata/TextOutput.h"
