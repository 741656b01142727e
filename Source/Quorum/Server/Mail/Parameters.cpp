#include "Quorum/Server/Mail/Parameters.h"

#include "Quorum/Server/Mail/Internal/SeparatedList.h"

#include "Strata/Throw.h"

namespace Quorum::Server::Mail {
namespace {

constexpr internal::TableMessages kMessages{STRATA_HERE, "Invalid parameter name: name is empty.",
                                            "Invalid parameter: parameter is not valid."};
constexpr char16_t kSeparator = u';';

}  // namespace

void Parameters::Set(const Parameter& parameter) { table_.CheckedStore(parameter, kMessages); }

void Parameters::Set(const Strata::UniString& name, const Strata::UniString& value) {
  table_.CheckName(name, kMessages);
  table_.Store(Parameter(name, value));
}

bool Parameters::Get(const Strata::UniString& name, Parameter& parameter) const {
  return table_.CheckedCopy(name, parameter, kMessages);
}

const Parameter* Parameters::Find(const Strata::UniString& name) const {
  return table_.CheckedFind(name, kMessages);
}

bool Parameters::Contains(const Strata::UniString& name) const {
  return table_.CheckedContains(name, kMessages);
}

bool Parameters::Contains(const Parameter& parameter) const {
  return table_.CheckedContainsEqual(parameter, kMessages);
}

bool Parameters::Remove(const Strata::UniString& name) {
  return table_.CheckedRemove(name, kMessages);
}

bool Parameters::Remove(const Parameter& parameter) {
  return table_.CheckedRemoveEqual(parameter, kMessages);
}

Strata::UniString Parameters::ToString() const { return table_.Join({}, u";", {}); }

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

}  // namespace Quorum::Server::Mail
