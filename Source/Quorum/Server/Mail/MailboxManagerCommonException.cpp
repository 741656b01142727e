#include "Quorum/Server/Mail/MailboxManagerCommonException.h"

namespace Quorum::Server::Mail {

STRATA_DEFINE_EXCEPTION(MailboxManagerCommonException)

}  // namespace Quorum::Server::Mail
