#include "Quorum/Server/Mail/InvalidMailboxNameException.h"

namespace Quorum::Server::Mail {

STRATA_DEFINE_EXCEPTION(InvalidMailboxNameException)

}  // namespace Quorum::Server::Mail
