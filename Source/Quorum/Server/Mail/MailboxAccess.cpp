#include "Quorum/Server/Mail/MailboxAccess.h"

#include "Quorum/Server/Mail/Internal/NamedNumbers.h"
#include "Strata/Throw.h"

namespace Quorum::Server::Mail {
namespace {

constexpr internal::NamedNumber kWords[] = {
    {MailboxAccess::Opened, "opened"},
    {MailboxAccess::ReadOnly, "read-only"},
    {MailboxAccess::Closed, "closed"},
};

}  // namespace

Strata::UniString MailboxAccess::ToString() const { return internal::WordOf(kWords, access_); }

bool MailboxAccess::Parse(const Strata::UniString& text, MailboxAccess& access) {
  return internal::ParseWord(kWords, text, access.access_,
                             "Invalid mailbox access string: string is empty.", STRATA_HERE);
}

void MailboxAccess::Write(Strata::OChannelX& channel) const {
  internal::WriteAsShort(channel, access_);
}

void MailboxAccess::Read(Strata::IChannelX& channel) { access_ = internal::ReadShort(channel); }

}  // namespace Quorum::Server::Mail
