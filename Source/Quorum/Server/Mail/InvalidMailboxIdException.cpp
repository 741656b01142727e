#include "Quorum/Server/Mail/InvalidMailboxIdException.h"

namespace Quorum::Server::Mail {

STRATA_DEFINE_EXCEPTION(InvalidMailboxIdException)

}  // namespace Quorum::Server::Mail
