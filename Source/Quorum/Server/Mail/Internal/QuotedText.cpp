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
  // Find the closing quote and count the escapes first, so that the value
  // is built with one allocation from runs of unescaped characters.
  const std::size_t start = ++i;
  std::size_t escapes = 0;
  for (; i < units.size() && units[i] != kQuote; ++i) {
    if (units[i] != kBackslash) continue;
    if (i + 1 >= units.size() || (units[i + 1] != kQuote && units[i + 1] != kBackslash)) {
      return false;
    }
    ++escapes;
    ++i;
  }
  if (i >= units.size()) return false;
  const std::size_t end = i;
  Strata::UniString scanned;
  scanned.Reserve(static_cast<unsigned int>(end - start - escapes));
  std::size_t run = start;
  for (std::size_t j = start; escapes > 0 && j < end; ++j) {
    if (units[j] != kBackslash) continue;
    scanned.Append(units.substr(run, j - run));
    run = ++j;  // the escaped character starts the next run
    --escapes;
  }
  scanned.Append(units.substr(run, end - run));
  value.Swap(scanned);
  position = static_cast<unsigned int>(end + 1);
  return true;
}

}  // namespace Quorum::Server::Mail::internal
