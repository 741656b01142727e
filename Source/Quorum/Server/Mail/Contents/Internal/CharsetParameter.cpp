#include "Quorum/Server/Mail/Contents/Internal/CharsetParameter.h"

#include <cstddef>
#include <string_view>

namespace Quorum::Server::Mail::Contents::internal {
namespace {

// Scans a Content-Type value for its charset parameter; anything that does
// not fit the lenient grammar of FindCharsetParameter is skipped.
class CharsetScanner {
 public:
  explicit CharsetScanner(const Strata::UniString& value) : units_(value.GetUnits()) {}

  // The value of the first charset parameter; empty when there is none.
  Strata::UniString Scan() {
    SkipPast(u';');
    while (position_ < units_.size()) {
      SkipWhiteSpace();
      const std::u16string_view name = ScanName();
      SkipWhiteSpace();
      if (At(u'=')) {
        ++position_;
        SkipWhiteSpace();
        Strata::UniString value = ScanValue();
        if (IsCharsetName(name)) return value;
      }
      SkipPast(u';');
    }
    return {};
  }

 private:
  static bool IsWhiteSpace(char16_t unit) noexcept {
    return unit == u' ' || unit == u'\t' || unit == u'\r' || unit == u'\n';
  }
  static bool IsCharsetName(std::u16string_view name) {
    return Strata::UniString(name).IsEqual(u"charset", Strata::CaseSensitivity::Insensitive);
  }
  bool At(char16_t unit) const noexcept {
    return position_ < units_.size() && units_[position_] == unit;
  }
  void SkipWhiteSpace() noexcept {
    while (position_ < units_.size() && IsWhiteSpace(units_[position_])) ++position_;
  }
  // Moves past the next `stop` that is not inside a quoted string, or to the
  // end.
  void SkipPast(char16_t stop) noexcept {
    while (position_ < units_.size()) {
      const char16_t unit = units_[position_++];
      if (unit == stop) return;
      if (unit == u'"') SkipQuoted(nullptr);
    }
  }
  // Reads a quoted string whose opening quotation mark was just passed,
  // appending its characters to `out` unless it is null.
  void SkipQuoted(Strata::UniString* out) {
    while (position_ < units_.size()) {
      char16_t unit = units_[position_++];
      if (unit == u'"') return;
      if (unit == u'\\' && position_ < units_.size()) unit = units_[position_++];
      if (out != nullptr) out->Append(unit);
    }
  }
  std::u16string_view ScanName() noexcept {
    const std::size_t start = position_;
    while (position_ < units_.size() && units_[position_] != u'=' && units_[position_] != u';' &&
           !IsWhiteSpace(units_[position_])) {
      ++position_;
    }
    return units_.substr(start, position_ - start);
  }
  Strata::UniString ScanValue() {
    Strata::UniString value;
    if (At(u'"')) {
      ++position_;
      SkipQuoted(&value);
      return value;
    }
    const std::size_t start = position_;
    while (position_ < units_.size() && units_[position_] != u';' &&
           !IsWhiteSpace(units_[position_])) {
      ++position_;
    }
    return Strata::UniString(units_.substr(start, position_ - start));
  }

  std::u16string_view units_;
  std::size_t position_ = 0;
};

}  // namespace

Strata::UniString FindCharsetParameter(const Strata::UniString& contentType) {
  return CharsetScanner(contentType).Scan();
}

}  // namespace Quorum::Server::Mail::Contents::internal
