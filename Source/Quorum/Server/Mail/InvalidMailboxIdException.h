#pragma once

#include "Quorum/Server/Mail/Export.h"
#include "Quorum/Server/Mail/MailboxIdException.h"
#include "Strata/ExceptionDeclaration.h"

namespace Quorum::Server::Mail {

/// A mailbox id text that does not parse. Default error code -7003.
STRATA_DECLARE_EXCEPTION(QUORUM_MAIL_EXPORT, InvalidMailboxIdException, MailboxIdException, -7003);

}  // namespace Quorum::Server::Mail
