#pragma once

#include "Quorum/Server/Mail/Export.h"
#include "Quorum/Server/Mail/MailboxManagerCommonException.h"
#include "Strata/ExceptionDeclaration.h"

namespace Quorum::Server::Mail {

/// Category of mailbox id failures, thrown only through its subclasses. Default error code -7003.
STRATA_DECLARE_EXCEPTION(QUORUM_MAIL_EXPORT, MailboxIdException, MailboxManagerCommonException,
                         -7003);

}  // namespace Quorum::Server::Mail
