// Shared core of Integer32 and UnsignedInteger32: decimal parsing and
// printing over std::from_chars / std::to_chars. Internal to Quorum.Common.
#pragma once

#include <charconv>
#include <system_error>

#include "Strata/UniString.h"

namespace Quorum::Common::internal {

// Parses the whole of `text`; `allowMinus` admits one leading '-'.
template <typename Number>
bool ParseDecimal(const Strata::UniString& text, bool allowMinus, Number& value) noexcept {
  // 11 characters hold every 32-bit decimal number; longer texts may still be
  // valid because of leading zeros, so only the characters are checked here.
  const std::u16string_view units = text.GetUnits();
  if (units.empty()) return false;
  char ascii[64];
  std::size_t length = 0;
  std::size_t i = 0;
  if (units[0] == u'-') {
    if (!allowMinus) return false;
    ascii[length++] = '-';
    i = 1;
  }
  if (i == units.size()) return false;
  // Leading zeros carry no value; drop all but the last so that any number
  // of them fits the buffer.
  while (i + 1 < units.size() && units[i] == u'0') ++i;
  for (; i < units.size(); ++i) {
    if (units[i] < u'0' || units[i] > u'9' || length == sizeof ascii) return false;
    ascii[length++] = static_cast<char>(units[i]);
  }
  Number parsed{};
  const auto [end, error] = std::from_chars(ascii, ascii + length, parsed);
  if (error != std::errc() || end != ascii + length) return false;
  value = parsed;
  return true;
}

template <typename Number>
Strata::UniString FormatDecimal(Number value) {
  char ascii[16];
  const auto [end, error] = std::to_chars(ascii, ascii + sizeof ascii, value);
  (void)error;  // 16 characters always suffice for 32-bit numbers
  return Strata::UniString(ascii, static_cast<unsigned int>(end - ascii),
                           Strata::CharacterCode::UTF8);
}

}  // namespace Quorum::Common::internal
