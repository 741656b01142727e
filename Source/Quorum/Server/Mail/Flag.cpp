#include "Quorum/Server/Mail/Flag.h"

#include "Strata/IllegalArgumentException.h"
#include "Strata/Throw.h"

namespace Quorum::Server::Mail {

Flag::Flag(const Strata::UniString& name) : name_(name) {
  if (name.IsEmpty()) {
    STRATA_THROW(Strata::IllegalArgumentException, "Invalid flag name: name is empty.");
  }
}

bool Flag::operator==(const Flag& other) const noexcept {
  return this == &other || name_.IsEqual(other.name_, Strata::CaseSensitivity::Insensitive);
}

void Flag::Write(Strata::OChannelX& channel) const { channel.WriteUniString(name_); }

void Flag::Read(Strata::IChannelX& channel) {
  Strata::UniString name = channel.ReadUniString();
  name_.Swap(name);
}

}  // namespace Quorum::Server::Mail
