#pragma once

#include "Quorum/Server/Mail/Export.h"
#include "Quorum/Server/Mail/NamedValue.h"

namespace Quorum::Server::Mail {

/// One mail header: a name, kept in the caller's case, and a text value.
///
/// Constructors that take a name check it; a default-constructed, copied or
/// read header is taken as it is. A value type, not thread-safe.
class QUORUM_MAIL_EXPORT Header : private internal::NamedValue {
 public:
  /// Empty name and value; not valid.
  Header() = default;
  /// A header named `name`, with the empty value or `value`. Throws
  /// Strata::IllegalArgumentException "Invalid header name: name is empty."
  /// for an empty name and InvalidHeaderNameException for a name with a
  /// character outside A-Z, a-z, 0-9, '_' and '-'.
  ///@{
  explicit Header(const Strata::UniString& name);
  Header(const Strata::UniString& name, const Strata::UniString& value);
  ///@}

  /// The name, in the case it was given.
  const Strata::UniString& GetName() const noexcept { return NamedValue::GetName(); }
  /// The value, as it was given.
  const Strata::UniString& GetValue() const noexcept { return NamedValue::GetValue(); }
  /// True when the name is not empty.
  bool IsValid() const noexcept { return NamedValue::IsValid(); }
  /// Name, then value, as strings.
  void Write(Strata::OChannelX& channel) const { NamedValue::Write(channel); }
  /// Takes the name as read, unchecked; unchanged if the read fails.
  void Read(Strata::IChannelX& channel) { NamedValue::Read(channel); }

  /// Names equal without regard to case, values exactly.
  ///@{
  bool operator==(const Header& other) const noexcept { return NamedValue::operator==(other); }
  bool operator!=(const Header& other) const noexcept { return !(*this == other); }
  ///@}

  /// Exchanges names and values.
  void Swap(Header& other) noexcept { NamedValue::Swap(other); }

  /// "Header (name=<name>, value=<value>)", nothing quoted; for display
  /// only.
  Strata::UniString ToString() const;

 private:
  // Throws InvalidHeaderNameException, recording the given location, when
  // `name` holds a character a header name may not hold.
  QUORUM_MAIL_LOCAL void CheckName(const Strata::UniString& name, const char* sourceFile,
                                   unsigned int sourceLine) const;
};

}  // namespace Quorum::Server::Mail
