#pragma once

#include "Quorum/Server/Mail/Export.h"
#include "Quorum/Server/Mail/MailboxNameException.h"
#include "Strata/ExceptionDeclaration.h"

namespace Quorum::Server::Mail {

/// A mailbox name that breaks the name rule. Default error code -7003.
STRATA_DECLARE_EXCEPTION(QUORUM_MAIL_EXPORT, InvalidMailboxNameException, MailboxNameException,
                         -7003);

}  // namespace Quorum::Server::Mail
