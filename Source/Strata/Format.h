#pragma once

/// \file
/// fmt::formatter for UniString and for every value of this library with a
/// ToString() form, when {fmt} is available: fmt::format("{}", mailId) gives
/// the UTF-8 text, and the string format specifiers (width, fill, alignment)
/// apply to it. The library itself does not use {fmt}; a program that
/// includes this header links {fmt} itself.
///
/// Each type is specialised for itself alone (STRATA_FORMAT_AS_TEXT), so a
/// client's own formatters for a concept of theirs, and {fmt}'s formatter for
/// ranges, leave these types alone. The types are only declared here: this
/// header includes none of them.

#include "Strata/RequiresCxx20.h"

#if __has_include(<fmt/format.h>)

#include <fmt/format.h>

#include <string>
#include <string_view>
#include <type_traits>

#include "Quorum/Server/Mail/TextOutput.h"  // declares the mail values with a text form
#include "Strata/UniString.h"

namespace Strata::internal {

template <typename T>
struct TextFormatter : fmt::formatter<std::string_view, char> {
  template <typename FormatContext>
  auto format(const T& value, FormatContext& context) const {
    std::string utf8;
    if constexpr (std::is_same_v<T, UniString>) {
      utf8 = value.ToUtf8();
    } else {
      utf8 = value.ToString().ToUtf8();
    }
    return fmt::formatter<std::string_view, char>::format(utf8, context);
  }
};

}  // namespace Strata::internal

/// Specialises fmt::formatter<Type> by Type's text form; at global scope, once
/// per type.
#define STRATA_FORMAT_AS_TEXT(Type) \
  template <>                       \
  struct fmt::formatter<Type, char> : ::Strata::internal::TextFormatter<Type> {}

namespace Conduit {
class Location;
}  // namespace Conduit

STRATA_FORMAT_AS_TEXT(Strata::UniString);
STRATA_FORMAT_AS_TEXT(Conduit::Location);
STRATA_FORMAT_AS_TEXT(Quorum::Server::Mail::Address);
STRATA_FORMAT_AS_TEXT(Quorum::Server::Mail::AddressList);
STRATA_FORMAT_AS_TEXT(Quorum::Server::Mail::ClientId);
STRATA_FORMAT_AS_TEXT(Quorum::Server::Mail::ContentDisposition);
STRATA_FORMAT_AS_TEXT(Quorum::Server::Mail::Date);
STRATA_FORMAT_AS_TEXT(Quorum::Server::Mail::Disposition);
STRATA_FORMAT_AS_TEXT(Quorum::Server::Mail::Flag);
STRATA_FORMAT_AS_TEXT(Quorum::Server::Mail::Flags);
STRATA_FORMAT_AS_TEXT(Quorum::Server::Mail::Header);
STRATA_FORMAT_AS_TEXT(Quorum::Server::Mail::Headers);
STRATA_FORMAT_AS_TEXT(Quorum::Server::Mail::Importance);
STRATA_FORMAT_AS_TEXT(Quorum::Server::Mail::MailId);
STRATA_FORMAT_AS_TEXT(Quorum::Server::Mail::MailboxAccess);
STRATA_FORMAT_AS_TEXT(Quorum::Server::Mail::MailboxId);
STRATA_FORMAT_AS_TEXT(Quorum::Server::Mail::MailboxName);
STRATA_FORMAT_AS_TEXT(Quorum::Server::Mail::MailboxNamespace);
STRATA_FORMAT_AS_TEXT(Quorum::Server::Mail::MailboxSessionId);
STRATA_FORMAT_AS_TEXT(Quorum::Server::Mail::MailboxSessionInfo);
STRATA_FORMAT_AS_TEXT(Quorum::Server::Mail::OwnerId);
STRATA_FORMAT_AS_TEXT(Quorum::Server::Mail::Parameter);
STRATA_FORMAT_AS_TEXT(Quorum::Server::Mail::Parameters);

#endif
