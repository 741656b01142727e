#include "Quorum/Server/Mail/Headers.h"

#include "Strata/Throw.h"

namespace Quorum::Server::Mail {
namespace {

constexpr internal::TableMessages kMessages{STRATA_HERE, "Invalid header name: name is empty.",
                                            "Invalid header: header is not valid."};

}  // namespace

void Headers::Set(const Header& header) { table_.CheckedStore(header, kMessages); }

void Headers::Set(const Strata::UniString& name, const Strata::UniString& value) {
  table_.CheckName(name, kMessages);
  table_.Store(Header(name, value));
}

bool Headers::Get(const Strata::UniString& name, Header& header) const {
  return table_.CheckedCopy(name, header, kMessages);
}

const Header* Headers::Find(const Strata::UniString& name) const {
  return table_.CheckedFind(name, kMessages);
}

bool Headers::Contains(const Strata::UniString& name) const {
  return table_.CheckedContains(name, kMessages);
}

bool Headers::Contains(const Header& header) const {
  return table_.CheckedContainsEqual(header, kMessages);
}

bool Headers::Remove(const Strata::UniString& name) {
  return table_.CheckedRemove(name, kMessages);
}

bool Headers::Remove(const Header& header) { return table_.CheckedRemoveEqual(header, kMessages); }

Strata::UniString Headers::ToString() const { return table_.Join(u"Headers (", u", ", u")"); }

}  // namespace Quorum::Server::Mail
