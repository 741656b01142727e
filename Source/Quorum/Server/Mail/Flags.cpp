#include "Quorum/Server/Mail/Flags.h"

#include "Strata/IllegalArgumentException.h"
#include "Strata/Throw.h"

namespace Quorum::Server::Mail {
namespace {

constexpr internal::TableMessages kMessages{STRATA_HERE, "Invalid flag name: name is empty.",
                                            "Invalid flag: flag is not valid."};
constexpr const char* kEmptyFlags = "Invalid flags: flags is empty.";

}  // namespace

Flags& Flags::Set(const Strata::UniString& name) {
  table_.CheckName(name, kMessages);
  table_.Store(Flag(name));
  return *this;
}

Flags& Flags::Set(const Flag& flag) {
  table_.CheckItem(flag, kMessages);
  table_.Store(flag);
  return *this;
}

Flags& Flags::Set(const Flags& flags) {
  if (flags.IsEmpty()) STRATA_THROW(Strata::IllegalArgumentException, kEmptyFlags);
  table_.StoreAbsent(flags.table_);
  return *this;
}

bool Flags::Remove(const Strata::UniString& name) {
  table_.CheckName(name, kMessages);
  return table_.Remove(name);
}

bool Flags::Remove(const Flag& flag) {
  table_.CheckItem(flag, kMessages);
  return table_.Remove(flag.GetName());
}

bool Flags::Remove(const Flags& flags) {
  if (flags.IsEmpty()) STRATA_THROW(Strata::IllegalArgumentException, kEmptyFlags);
  if (this == &flags) {
    // Removing from the set being walked would skip entries; every flag is
    // present, so all go.
    table_.Clear();
    return true;
  }
  bool removed = false;
  for (const Flag& flag : flags.table_.Enumerate()) {
    removed = table_.Remove(flag.GetName()) || removed;
  }
  return removed;
}

bool Flags::Contains(const Strata::UniString& name) const {
  table_.CheckName(name, kMessages);
  return table_.Contains(name);
}

bool Flags::Contains(const Flag& flag) const {
  table_.CheckItem(flag, kMessages);
  return table_.Contains(flag.GetName());
}

bool Flags::Contains(const Flags& flags) const {
  if (flags.IsEmpty()) STRATA_THROW(Strata::IllegalArgumentException, kEmptyFlags);
  for (const Flag& flag : flags.table_.Enumerate()) {
    if (!table_.Contains(flag.GetName())) return false;
  }
  return true;
}

Flags& Flags::Clear() noexcept {
  table_.Clear();
  return *this;
}

Strata::UniString Flags::ToString() const { return table_.Join({}, u",", {}); }

}  // namespace Quorum::Server::Mail
