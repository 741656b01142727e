#include "Quorum/Server/Mail/Header.h"

#include <string_view>

#include "Quorum/Server/Mail/InvalidHeaderNameException.h"
#include "Strata/IllegalArgumentException.h"
#include "Strata/Throw.h"

namespace Quorum::Server::Mail {

using namespace std::string_view_literals;

Header::Header(const Strata::UniString& name) : Header(name, Strata::UniString()) {}

Header::Header(const Strata::UniString& name, const Strata::UniString& value)
    : NamedValue(name, value) {
  if (name.IsEmpty()) {
    STRATA_THROW(Strata::IllegalArgumentException, "Invalid header name: name is empty.");
  }
  CheckName(name, STRATA_HERE);
}

Strata::UniString Header::ToString() const {
  Strata::UniString text("Header (name=");
  text.Append(GetName()).Append(u", value="sv).Append(GetValue()).Append(u')');
  return text;
}

void Header::CheckName(const Strata::UniString& name, const char* sourceFile,
                       unsigned int sourceLine) const {
  if (!internal::HasOnlyNameCharacters(name)) {
    throw InvalidHeaderNameException(Strata::UniString::Format("Invalid header name: '%T'.", name),
                                     sourceFile, sourceLine);
  }
}

}  // namespace Quorum::Server::Mail
