#pragma once

#include "Quorum/Server/Mail/Export.h"
#include "Quorum/Server/Mail/MailboxManagerCommonException.h"
#include "Strata/ExceptionDeclaration.h"

namespace Quorum::Server::Mail {

/// Comparing two body part contents failed; the cause says why. Default error code -7003.
STRATA_DECLARE_EXCEPTION(QUORUM_MAIL_EXPORT, BodyPartContentException,
                         MailboxManagerCommonException, -7003);

}  // namespace Quorum::Server::Mail
