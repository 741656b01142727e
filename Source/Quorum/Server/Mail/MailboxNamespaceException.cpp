#include "Quorum/Server/Mail/MailboxNamespaceException.h"

namespace Quorum::Server::Mail {

STRATA_DEFINE_EXCEPTION(MailboxNamespaceException)

}  // namespace Quorum::Server::Mail
