#pragma once

#include "Quorum/Server/Mail/Export.h"
#include "Quorum/Server/Mail/MailboxManagerCommonException.h"
#include "Strata/ExceptionDeclaration.h"

namespace Quorum::Server::Mail {

/// A typed header of a mail does not parse. Default error code -7003.
STRATA_DECLARE_EXCEPTION(QUORUM_MAIL_EXPORT, MailException, MailboxManagerCommonException, -7003);

}  // namespace Quorum::Server::Mail
