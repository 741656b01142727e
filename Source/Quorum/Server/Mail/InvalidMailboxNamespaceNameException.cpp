#include "Quorum/Server/Mail/InvalidMailboxNamespaceNameException.h"

namespace Quorum::Server::Mail {

STRATA_DEFINE_EXCEPTION(InvalidMailboxNamespaceNameException)

}  // namespace Quorum::Server::Mail
