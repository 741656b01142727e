#include "Quorum/Server/Mail/HeaderException.h"

namespace Quorum::Server::Mail {

STRATA_DEFINE_EXCEPTION(HeaderException)

}  // namespace Quorum::Server::Mail
