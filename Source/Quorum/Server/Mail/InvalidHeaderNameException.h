#pragma once

#include "Quorum/Server/Mail/Export.h"
#include "Quorum/Server/Mail/HeaderException.h"
#include "Strata/ExceptionDeclaration.h"

namespace Quorum::Server::Mail {

/// A header name with a character outside A-Z, a-z, 0-9, '_' and '-'. Default error code -7003.
STRATA_DECLARE_EXCEPTION(QUORUM_MAIL_EXPORT, InvalidHeaderNameException, HeaderException, -7003);

}  // namespace Quorum::Server::Mail
