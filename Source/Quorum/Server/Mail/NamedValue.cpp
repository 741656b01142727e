#include "Quorum/Server/Mail/NamedValue.h"

namespace Quorum::Server::Mail::internal {

bool HasOnlyNameCharacters(const Strata::UniString& name) noexcept {
  for (const char16_t c : name.GetUnits()) {
    if (!IsNameCharacter(c)) return false;
  }
  return true;
}

void NamedValue::Write(Strata::OChannelX& channel) const {
  channel.WriteUniString(name_);
  channel.WriteUniString(value_);
}

void NamedValue::Read(Strata::IChannelX& channel) {
  Strata::UniString name = channel.ReadUniString();
  Strata::UniString value = channel.ReadUniString();
  name_.Swap(name);
  value_.Swap(value);
}

bool NamedValue::operator==(const NamedValue& other) const noexcept {
  return this == &other || (value_ == other.value_ &&
                            name_.IsEqual(other.name_, Strata::CaseSensitivity::Insensitive));
}

}  // namespace Quorum::Server::Mail::internal
