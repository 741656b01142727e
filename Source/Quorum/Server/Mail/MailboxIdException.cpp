#include "Quorum/Server/Mail/MailboxIdException.h"

namespace Quorum::Server::Mail {

STRATA_DEFINE_EXCEPTION(MailboxIdException)

}  // namespace Quorum::Server::Mail
