#include "Quorum/Server/Mail/OwnerId.h"

#include "Strata/Throw.h"

namespace Quorum::Server::Mail {

OwnerId::OwnerId(const Strata::UniString& id)
    : TextIdentifier(id, "Invalid owner id: id is empty.", STRATA_HERE) {}

}  // namespace Quorum::Server::Mail
