// Header is one mail header: a name, kept in the caller's case, and a text
// value. Constructors that take a name check it; a default-constructed, copied
// or read header is taken as it is. A value type, not thread-safe.
#pragma once

#include "Quorum/Server/Mail/Export.h"
#include "Quorum/Server/Mail/NamedValue.h"

namespace Quorum::Server::Mail {

class QUORUM_MAIL_EXPORT Header : private internal::NamedValue {
 public:
  // Empty name and value; not valid.
  Header() = default;
  // Throws Strata::IllegalArgumentException "Invalid header name: name is
  // empty." for an empty name and InvalidHeaderNameException for a name with
  // a character outside A-Z, a-z, 0-9, '_' and '-'.
  explicit Header(const Strata::UniString& name);
  Header(const Strata::UniString& name, const Strata::UniString& value);

  using NamedValue::GetName;
  using NamedValue::GetValue;
  // True when the name is not empty.
  using NamedValue::IsValid;
  // Name, then value, as strings.
  using NamedValue::Write;
  // Takes the name as read, unchecked; unchanged if the read fails.
  using NamedValue::Read;

  // Names equal without regard to case, values exactly.
  bool operator==(const Header& other) const noexcept { return NamedValue::operator==(other); }
  bool operator!=(const Header& other) const noexcept { return !(*this == other); }

  void Swap(Header& other) noexcept { NamedValue::Swap(other); }

  // "Header (name=<name>, value=<value>)", nothing quoted; for display only.
  Strata::UniString ToString() const;

 private:
  // Throws InvalidHeaderNameException, recording the given location, when
  // `name` holds a character a header name may not hold.
  void CheckName(const Strata::UniString& name, const char* sourceFile,
                 unsigned int sourceLine) const;
};

}  // namespace Quorum::Server::Mail
