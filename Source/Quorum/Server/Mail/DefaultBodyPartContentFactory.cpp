#include "Quorum/Server/Mail/DefaultBodyPartContentFactory.h"

#include "Quorum/Server/Mail/BodyPartHeaders.h"
#include "Quorum/Server/Mail/Contents/MemoryContent.h"
#include "Quorum/Server/Mail/Contents/TextContent.h"
#include "Quorum/Server/Mail/Header.h"
#include "Quorum/Server/Mail/Headers.h"

namespace Quorum::Server::Mail {
namespace {

// A lenient reading of the "charset" parameter of a Content-Type value as
// internet mail writes it: parameters after the first ';', white space
// allowed around ';' and '=', the name in any case, the value a token or a
// quoted string with backslash escapes (its closing quotation mark may be
// missing). Anything that does not fit is skipped; nothing throws but
// allocation.
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

DefaultBodyPartContentFactory::DefaultBodyPartContentFactory() = default;
DefaultBodyPartContentFactory::DefaultBodyPartContentFactory(
    const DefaultBodyPartContentFactory& other) = default;
DefaultBodyPartContentFactory::DefaultBodyPartContentFactory(
    DefaultBodyPartContentFactory&& other) noexcept
    : BodyPartContentFactory(other) {}
DefaultBodyPartContentFactory& DefaultBodyPartContentFactory::operator=(
    const DefaultBodyPartContentFactory& other) = default;
DefaultBodyPartContentFactory& DefaultBodyPartContentFactory::operator=(
    DefaultBodyPartContentFactory&&) noexcept {
  return *this;
}
DefaultBodyPartContentFactory::~DefaultBodyPartContentFactory() = default;

Strata::Ref<BodyPartContent> DefaultBodyPartContentFactory::Create(const Headers& headers) {
  Header contentType;
  if (headers.Get(BodyPartHeaders::ContentType, contentType) &&
      contentType.GetValue().BeginsWith("text")) {
    Strata::Ref<Contents::TextContent> content = Strata::MakeRef<Contents::TextContent>();
    content->SetCharset(CharsetScanner(contentType.GetValue()).Scan());
    return content;
  }
  return Strata::MakeRef<Contents::MemoryContent>();
}

}  // namespace Quorum::Server::Mail
