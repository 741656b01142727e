// operator<< writes a UniString, or any value with a ToString() form, to a
// std::ostream as UTF-8. The value template is declared into the namespaces
// of the library's values (see their Export.h), so argument-dependent lookup
// finds it there.
#pragma once

#include "Strata/RequiresCxx20.h"

#include <concepts>
#include <iosfwd>

#include "Strata/Export.h"

namespace Strata {

class UniString;

template <typename T>
concept TextForm = requires(const T& value) {
  { value.ToString() } -> std::same_as<UniString>;
};

STRATA_EXPORT std::ostream& operator<<(std::ostream& out, const UniString& text);

template <TextForm T>
std::ostream& operator<<(std::ostream& out, const T& value) {
  return out << value.ToString();
}

}  // namespace Strata
