#include "Quorum/Server/Mail/MailboxNameException.h"

namespace Quorum::Server::Mail {

STRATA_DEFINE_EXCEPTION(MailboxNameException)

}  // namespace Quorum::Server::Mail
