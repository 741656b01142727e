#pragma once

#include "Quorum/Server/Mail/Export.h"
#include "Quorum/Server/Mail/MailboxManagerCommonException.h"
#include "Strata/ExceptionDeclaration.h"

namespace Quorum::Server::Mail {

/// Category of address failures, thrown only through its subclasses. Default error code -7003.
STRATA_DECLARE_EXCEPTION(QUORUM_MAIL_EXPORT, AddressException, MailboxManagerCommonException,
                         -7003);

}  // namespace Quorum::Server::Mail
