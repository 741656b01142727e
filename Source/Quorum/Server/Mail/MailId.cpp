#include "Quorum/Server/Mail/MailId.h"

#include "Strata/Throw.h"

namespace Quorum::Server::Mail {

MailId::MailId(const Strata::UniString& id)
    : TextIdentifier(id, "Invalid mail id: id is empty.", STRATA_HERE) {}

}  // namespace Quorum::Server::Mail
