#include "Quorum/Server/Mail/ClientId.h"

#include "Strata/Throw.h"

namespace Quorum::Server::Mail {

ClientId::ClientId(const Strata::UniString& id)
    : TextIdentifier(id, "Invalid client id: id is empty.", STRATA_HERE) {}

}  // namespace Quorum::Server::Mail
