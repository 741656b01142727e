#include "Quorum/Server/Mail/Parameters.h"

#include "Quorum/Server/Mail/Internal/SeparatedList.h"
#include "Strata/IllegalArgumentException.h"
#include "Strata/Throw.h"

namespace Quorum::Server::Mail {
namespace {

constexpr const char* kEmptyName = "Invalid parameter name: name is empty.";
constexpr const char* kInvalidParameter = "Invalid parameter: parameter is not valid.";
constexpr char16_t kSeparator = u';';

}  // namespace

void Parameters::Set(const Parameter& parameter) {
  if (!parameter.IsValid()) STRATA_THROW(Strata::IllegalArgumentException, kInvalidParameter);
  table_.Store(parameter);
}

void Parameters::Set(const Strata::UniString& name, const Strata::UniString& value) {
  if (name.IsEmpty()) STRATA_THROW(Strata::IllegalArgumentException, kEmptyName);
  table_.Store(Parameter(name, value));
}

bool Parameters::Get(const Strata::UniString& name, Parameter& parameter) const {
  if (name.IsEmpty()) STRATA_THROW(Strata::IllegalArgumentException, kEmptyName);
  const Parameter* stored = nullptr;
  if (!Get(name, &stored)) return false;
  parameter = *stored;
  return true;
}

bool Parameters::Contains(const Strata::UniString& name) const {
  if (name.IsEmpty()) STRATA_THROW(Strata::IllegalArgumentException, kEmptyName);
  return table_.Contains(name);
}

bool Parameters::Contains(const Parameter& parameter) const {
  if (!parameter.IsValid()) STRATA_THROW(Strata::IllegalArgumentException, kInvalidParameter);
  return table_.ContainsEqual(parameter);
}

bool Parameters::Remove(const Strata::UniString& name) {
  if (name.IsEmpty()) STRATA_THROW(Strata::IllegalArgumentException, kEmptyName);
  return table_.Remove(name);
}

bool Parameters::Remove(const Parameter& parameter) {
  if (!parameter.IsValid()) STRATA_THROW(Strata::IllegalArgumentException, kInvalidParameter);
  return table_.RemoveEqual(parameter);
}

Strata::UniString Parameters::ToString() const {
  Strata::UniString text;
  for (const Parameter& parameter : Enumerate()) {
    if (!text.IsEmpty()) text.Append(kSeparator);
    text.Append(parameter.ToString());
  }
  return text;
}

bool Parameters::Parse(const Strata::UniString& text, Parameters& parameters) {
  Parameters scanned;
  const bool parsed = internal::ScanSeparatedList(text, kSeparator, [&](unsigned int& position) {
    Parameter parameter;
    if (!Parameter::Scan(text, position, parameter)) return false;
    scanned.table_.Store(parameter);
    return true;
  });
  if (parsed) parameters.Swap(scanned);
  return parsed;
}

bool Parameters::Get(const Strata::UniString& name, Parameter** parameter) {
  Parameter* stored = table_.Find(name);
  if (stored == nullptr) return false;
  *parameter = stored;
  return true;
}

bool Parameters::Get(const Strata::UniString& name, const Parameter** parameter) const {
  const Parameter* stored = table_.Find(name);
  if (stored == nullptr) return false;
  *parameter = stored;
  return true;
}

}  // namespace Quorum::Server::Mail
