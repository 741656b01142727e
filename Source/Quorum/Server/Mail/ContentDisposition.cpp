#include "Quorum/Server/Mail/ContentDisposition.h"

#include "Strata/IllegalArgumentException.h"
#include "Strata/Throw.h"

namespace Quorum::Server::Mail {
namespace {

constexpr char16_t kSeparator = u';';

}  // namespace

ContentDisposition& ContentDisposition::operator=(const ContentDisposition& other) {
  Parameters parameters(other.parameters_);
  disposition_ = other.disposition_;
  parameters_.Swap(parameters);
  return *this;
}

void ContentDisposition::SetParameters(const Parameters& parameters) {
  Parameters copy(parameters);
  parameters_.Swap(copy);
}

bool ContentDisposition::operator==(const ContentDisposition& other) const {
  return this == &other || (disposition_ == other.disposition_ && parameters_ == other.parameters_);
}

Strata::UniString ContentDisposition::ToString() const {
  Strata::UniString text = disposition_.ToString();
  if (!parameters_.IsEmpty()) text.Append(kSeparator).Append(parameters_.ToString());
  return text;
}

bool ContentDisposition::Parse(const Strata::UniString& text,
                               ContentDisposition& contentDisposition) {
  if (text.IsEmpty()) {
    STRATA_THROW(Strata::IllegalArgumentException,
                 "Invalid content disposition string: string is empty.");
  }
  const unsigned int separator = text.FindFirst(kSeparator);
  const bool hasParameters = separator != Strata::UniString::NotFound;
  if (hasParameters && separator + 1 == text.GetLength()) return false;

  Disposition disposition;
  if (!Disposition::Parse(text.GetSubstring(0, separator), disposition)) return false;
  Parameters parameters;
  if (hasParameters && !Parameters::Parse(text.GetSubstring(separator + 1), parameters)) {
    return false;
  }
  contentDisposition.disposition_ = disposition;
  contentDisposition.parameters_.Swap(parameters);
  return true;
}

}  // namespace Quorum::Server::Mail
