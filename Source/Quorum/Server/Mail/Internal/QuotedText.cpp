#include "Quorum/Server/Mail/Internal/QuotedText.h"

namespace Quorum::Server::Mail::internal {
namespace {

constexpr char16_t kQuote = u'"';
constexpr char16_t kBackslash = u'\\';

}  // namespace

void AppendQuoted(Strata::UniString& out, const Strata::UniString& text) {
  out.Append(kQuote);
  const std::u16string_view units = text.GetUnits();
  std::size_t run = 0;  // start of the characters not yet copied
  for (std::size_t i = 0; i < units.size(); ++i) {
    if (units[i] == kQuote || units[i] == kBackslash) {
      out.Append(units.substr(run, i - run));
      out.Append(kBackslash);
      run = i;
    }
  }
  out.Append(units.substr(run));
  out.Append(kQuote);
}

bool ScanQuoted(const Strata::UniString& text, unsigned int& position, Strata::UniString& value) {
  const std::u16string_view units = text.GetUnits();
  std::size_t i = position;
  if (i >= units.size() || units[i] != kQuote) return false;
  std::u16string scanned;
  for (++i; i < units.size(); ++i) {
    const char16_t c = units[i];
    if (c == kQuote) {
      value = Strata::UniString(std::move(scanned));
      position = static_cast<unsigned int>(i + 1);
      return true;
    }
    if (c == kBackslash) {
      if (i + 1 >= units.size() || (units[i + 1] != kQuote && units[i + 1] != kBackslash)) {
        return false;
      }
      ++i;
    }
    scanned.push_back(units[i]);
  }
  return false;
}

}  // namespace Quorum::Server::Mail::internal
