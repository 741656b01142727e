#pragma once

/// \file
/// `operator<<` for UniString: writes the text to a std::ostream as UTF-8.
/// Each value with a text form has an `operator<<` of its own, declared
/// beside it for that type alone (Quorum/Server/Mail/TextOutput.h,
/// Conduit/Location.h), so that a client's own template `operator<<` for a
/// concept of its own is never ambiguous with the library's.

#include "Strata/RequiresCxx20.h"

#include <concepts>
#include <iosfwd>

#include "Strata/Export.h"

namespace Strata {

class UniString;

/// A type with a text form: a `ToString()` member that gives a UniString.
template <typename T>
concept TextForm = requires(const T& value) {
  { value.ToString() } -> std::same_as<UniString>;
};

/// Writes `text` as UTF-8; a lone surrogate becomes U+FFFD.
STRATA_EXPORT std::ostream& operator<<(std::ostream& out, const UniString& text);

}  // namespace Strata
