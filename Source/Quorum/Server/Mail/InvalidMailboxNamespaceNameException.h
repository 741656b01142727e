#pragma once

#include "Quorum/Server/Mail/Export.h"
#include "Quorum/Server/Mail/MailboxNamespaceException.h"
#include "Strata/ExceptionDeclaration.h"

namespace Quorum::Server::Mail {

/// A mailbox namespace that breaks the namespace rule. Default error code -7003.
STRATA_DECLARE_EXCEPTION(QUORUM_MAIL_EXPORT, InvalidMailboxNamespaceNameException,
                         MailboxNamespaceException, -7003);

}  // namespace Quorum::Server::Mail
