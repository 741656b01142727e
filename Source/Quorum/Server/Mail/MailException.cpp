#include "Quorum/Server/Mail/MailException.h"

namespace Quorum::Server::Mail {

STRATA_DEFINE_EXCEPTION(MailException)

}  // namespace Quorum::Server::Mail
