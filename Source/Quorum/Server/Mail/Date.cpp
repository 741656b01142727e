#include "Quorum/Server/Mail/Date.h"

#include "Quorum/Common/Integer32.h"
#include "Strata/IllegalArgumentException.h"
#include "Strata/Throw.h"

namespace Quorum::Server::Mail {

Strata::UniString Date::ToString() const { return Quorum::Common::Integer32::ToString(value_); }

bool Date::Parse(const Strata::UniString& text, Date& date) {
  if (text.IsEmpty()) {
    STRATA_THROW(Strata::IllegalArgumentException, "Invalid date string: string is empty.");
  }
  return Quorum::Common::Integer32::Parse(text, date.value_);
}

void Date::Write(Strata::OChannelX& channel) const { channel.WriteInt(value_); }

void Date::Read(Strata::IChannelX& channel) { value_ = channel.ReadInt(); }

}  // namespace Quorum::Server::Mail
