#include "Quorum/Server/Mail/AddressException.h"

namespace Quorum::Server::Mail {

STRATA_DEFINE_EXCEPTION(AddressException)

}  // namespace Quorum::Server::Mail
