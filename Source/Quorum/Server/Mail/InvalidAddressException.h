#pragma once

#include "Quorum/Server/Mail/AddressException.h"
#include "Quorum/Server/Mail/Export.h"
#include "Strata/ExceptionDeclaration.h"

namespace Quorum::Server::Mail {

/// An address text that does not parse. Default error code -7003.
STRATA_DECLARE_EXCEPTION(QUORUM_MAIL_EXPORT, InvalidAddressException, AddressException, -7003);

}  // namespace Quorum::Server::Mail
