#include "Quorum/Server/Mail/Headers.h"

#include <string_view>

#include "Strata/IllegalArgumentException.h"
#include "Strata/Throw.h"

namespace Quorum::Server::Mail {

using namespace std::string_view_literals;
namespace {

constexpr const char* kEmptyName = "Invalid header name: name is empty.";
constexpr const char* kInvalidHeader = "Invalid header: header is not valid.";

}  // namespace

void Headers::Set(const Header& header) {
  if (!header.IsValid()) STRATA_THROW(Strata::IllegalArgumentException, kInvalidHeader);
  table_.Store(header);
}

void Headers::Set(const Strata::UniString& name, const Strata::UniString& value) {
  if (name.IsEmpty()) STRATA_THROW(Strata::IllegalArgumentException, kEmptyName);
  table_.Store(Header(name, value));
}

bool Headers::Get(const Strata::UniString& name, Header& header) const {
  if (name.IsEmpty()) STRATA_THROW(Strata::IllegalArgumentException, kEmptyName);
  const Header* stored = nullptr;
  if (!Get(name, &stored)) return false;
  header = *stored;
  return true;
}

bool Headers::Contains(const Strata::UniString& name) const {
  if (name.IsEmpty()) STRATA_THROW(Strata::IllegalArgumentException, kEmptyName);
  return table_.Contains(name);
}

bool Headers::Contains(const Header& header) const {
  if (!header.IsValid()) STRATA_THROW(Strata::IllegalArgumentException, kInvalidHeader);
  return table_.ContainsEqual(header);
}

bool Headers::Remove(const Strata::UniString& name) {
  if (name.IsEmpty()) STRATA_THROW(Strata::IllegalArgumentException, kEmptyName);
  return table_.Remove(name);
}

bool Headers::Remove(const Header& header) {
  if (!header.IsValid()) STRATA_THROW(Strata::IllegalArgumentException, kInvalidHeader);
  return table_.RemoveEqual(header);
}

Strata::UniString Headers::ToString() const {
  Strata::UniString text("Headers (");
  bool first = true;
  for (const Header& header : Enumerate()) {
    if (!first) text.Append(u", "sv);
    text.Append(header.ToString());
    first = false;
  }
  text.Append(u')');
  return text;
}

bool Headers::Get(const Strata::UniString& name, Header** header) {
  Header* stored = table_.Find(name);
  if (stored == nullptr) return false;
  *header = stored;
  return true;
}

bool Headers::Get(const Strata::UniString& name, const Header** header) const {
  const Header* stored = table_.Find(name);
  if (stored == nullptr) return false;
  *header = stored;
  return true;
}

}  // namespace Quorum::Server::Mail
