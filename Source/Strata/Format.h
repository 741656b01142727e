// fmt::formatter for UniString and every value with a ToString() form, when
// {fmt} is available: fmt::format("{}", mail.GetSubject()) gives the UTF-8
// text, and the string format specifiers (width, fill, alignment) apply to it.
// The library itself does not use {fmt}; a program that includes this header
// links {fmt} itself. The collections are ranges too: a program that also
// includes <fmt/ranges.h> must not format them with "{}".
#pragma once

#if __has_include(<fmt/format.h>)

#include <fmt/format.h>

#include <concepts>
#include <string>
#include <string_view>

#include "Strata/UniString.h"

template <typename T>
requires std::same_as<T, Strata::UniString> || Strata::TextForm<T>
struct fmt::formatter<T, char> : fmt::formatter<std::string_view, char> {
  template <typename FormatContext>
  auto format(const T& value, FormatContext& context) const {
    std::string utf8;
    if constexpr (std::same_as<T, Strata::UniString>) {
      utf8 = value.ToUtf8();
    } else {
      utf8 = value.ToString().ToUtf8();
    }
    return fmt::formatter<std::string_view, char>::format(utf8, context);
  }
};

#endif
