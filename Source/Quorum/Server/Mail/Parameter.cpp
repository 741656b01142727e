#include "Quorum/Server/Mail/Parameter.h"

#include "Quorum/Server/Mail/Internal/QuotedText.h"
#include "Quorum/Server/Mail/InvalidParameterNameException.h"
#include "Strata/IllegalArgumentException.h"
#include "Strata/Throw.h"

namespace Quorum::Server::Mail {
namespace {

constexpr char16_t kEqualsSign = u'=';

// The end of the longest run of name characters starting at `position`.
unsigned int ScanName(const Strata::UniString& text, unsigned int position) {
  while (position < text.GetLength() && internal::IsNameCharacter(text[position])) ++position;
  return position;
}

}  // namespace

Parameter::Parameter(const Strata::UniString& name) : Parameter(name, Strata::UniString()) {}

Parameter::Parameter(const Strata::UniString& name, const Strata::UniString& value)
    : NamedValue(name, value) {
  if (name.IsEmpty()) {
    STRATA_THROW(Strata::IllegalArgumentException, "Invalid parameter name: name is empty.");
  }
  CheckName(name, STRATA_HERE);
}

Strata::UniString Parameter::ToString() const {
  Strata::UniString text;
  if (!IsValid()) return text;
  text.Append(GetName()).Append(kEqualsSign);
  internal::AppendQuoted(text, GetValue());
  return text;
}

bool Parameter::Parse(const Strata::UniString& text, Parameter& parameter) {
  if (text.IsEmpty()) {
    STRATA_THROW(Strata::IllegalArgumentException, "Invalid parameter string: string is empty.");
  }
  unsigned int position = 0;
  Parameter parsed;
  if (!Scan(text, position, parsed) || position != text.GetLength()) return false;
  parameter.Swap(parsed);
  return true;
}

bool Parameter::Scan(const Strata::UniString& text, unsigned int& position, Parameter& parameter) {
  const unsigned int nameEnd = ScanName(text, position);
  if (nameEnd == position || nameEnd == text.GetLength() || text[nameEnd] != kEqualsSign) {
    return false;
  }
  unsigned int end = nameEnd + 1;
  Strata::UniString value;
  if (!internal::ScanQuoted(text, end, value)) return false;
  Parameter scanned(text.GetSubstring(position, nameEnd - position), value);
  parameter.Swap(scanned);
  position = end;
  return true;
}

void Parameter::CheckName(const Strata::UniString& name, const char* sourceFile,
                          unsigned int sourceLine) const {
  if (!internal::HasOnlyNameCharacters(name)) {
    throw InvalidParameterNameException(
        Strata::UniString::Format("Invalid parameter name: '%T'.", name), sourceFile, sourceLine);
  }
}

}  // namespace Quorum::Server::Mail
