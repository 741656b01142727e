#pragma once

#include "Quorum/Server/Mail/Export.h"
#include "Strata/ExceptionDeclaration.h"
#include "Strata/GeneralException.h"

namespace Quorum::Server::Mail {

/// Root of the library's own exceptions, thrown only through its subclasses. Default error code
/// -7003.
STRATA_DECLARE_EXCEPTION(QUORUM_MAIL_EXPORT, MailboxManagerCommonException,
                         Strata::GeneralException, -7003);

}  // namespace Quorum::Server::Mail
