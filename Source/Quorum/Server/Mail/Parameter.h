#pragma once

#include "Quorum/Server/Mail/Export.h"
#include "Quorum/Server/Mail/NamedValue.h"

namespace Quorum::Server::Mail {

/// One named value of a structured header value, such as the file name of a
/// content disposition: a name kept in the caller's case and a text value
/// stored without quoting.
///
/// Its text form is name="value" with only the backslash and the quotation
/// mark escaped. Constructors that take a name check it; default-constructed,
/// copied or read parameters are taken as they are. A value type, not
/// thread-safe.
class QUORUM_MAIL_EXPORT Parameter : private internal::NamedValue {
 public:
  /// Empty name and value; not valid.
  Parameter() = default;
  /// A parameter named `name`, with the empty value or `value`. Throws
  /// Strata::IllegalArgumentException "Invalid parameter name: name is
  /// empty." for an empty name and InvalidParameterNameException for a name
  /// with a character outside A-Z, a-z, 0-9, '_' and '-'.
  ///@{
  explicit Parameter(const Strata::UniString& name);
  Parameter(const Strata::UniString& name, const Strata::UniString& value);
  ///@}

  /// The name, in the case it was given.
  const Strata::UniString& GetName() const noexcept { return NamedValue::GetName(); }
  /// The value, unquoted.
  const Strata::UniString& GetValue() const noexcept { return NamedValue::GetValue(); }
  /// True when the name is not empty.
  bool IsValid() const noexcept { return NamedValue::IsValid(); }
  /// Name, then value, as strings.
  void Write(Strata::OChannelX& channel) const { NamedValue::Write(channel); }
  /// Takes the name as read, unchecked; unchanged if the read fails.
  void Read(Strata::IChannelX& channel) { NamedValue::Read(channel); }

  /// Names equal without regard to case, values exactly.
  ///@{
  bool operator==(const Parameter& other) const noexcept { return NamedValue::operator==(other); }
  bool operator!=(const Parameter& other) const noexcept { return !(*this == other); }
  ///@}

  /// Exchanges names and values.
  void Swap(Parameter& other) noexcept { NamedValue::Swap(other); }

  /// name="value", the value always quoted; the empty text when the name is
  /// empty.
  Strata::UniString ToString() const;

  /// Parses exactly one name="value" with nothing around it. Returns false,
  /// leaving `parameter` untouched, for malformed text; throws
  /// Strata::IllegalArgumentException "Invalid parameter string: string is
  /// empty." for the empty text.
  static bool Parse(const Strata::UniString& text, Parameter& parameter);

 private:
  friend class Parameters;

  // Scans name="value" at `position`: on success stores the parameter, moves
  // `position` just past the closing quotation mark and returns true; on
  // failure touches neither.
  QUORUM_MAIL_LOCAL static bool Scan(const Strata::UniString& text, unsigned int& position,
                                     Parameter& parameter);

  // Throws InvalidParameterNameException, recording the given location, when
  // `name` holds a character a parameter name may not hold.
  QUORUM_MAIL_LOCAL void CheckName(const Strata::UniString& name, const char* sourceFile,
                                   unsigned int sourceLine) const;
};

}  // namespace Quorum::Server::Mail
