// Category of header failures; thrown only through its subclasses.
// Default error code -7003; see Strata/ExceptionDeclaration.h for the members.
#pragma once

#include "Quorum/Server/Mail/Export.h"
#include "Quorum/Server/Mail/MailboxManagerCommonException.h"
#include "Strata/ExceptionDeclaration.h"

namespace Quorum::Server::Mail {

STRATA_DECLARE_EXCEPTION(QUORUM_MAIL_EXPORT, HeaderException, MailboxManagerCommonException, -7003);

}  // namespace Quorum::Server::Mail
