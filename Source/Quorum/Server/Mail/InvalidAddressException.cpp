#include "Quorum/Server/Mail/InvalidAddressException.h"

namespace Quorum::Server::Mail {

STRATA_DEFINE_EXCEPTION(InvalidAddressException)

}  // namespace Quorum::Server::Mail
