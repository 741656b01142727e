#include "Quorum/Server/Mail/MailboxSessionId.h"

#include "Strata/Throw.h"

namespace Quorum::Server::Mail {

MailboxSessionId::MailboxSessionId(const Strata::UniString& id)
    : TextIdentifier(id, "Invalid mailbox session id: id is empty.", STRATA_HERE) {}

}  // namespace Quorum::Server::Mail
