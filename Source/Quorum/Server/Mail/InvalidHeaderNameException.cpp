#include "Quorum/Server/Mail/InvalidHeaderNameException.h"

namespace Quorum::Server::Mail {

STRATA_DEFINE_EXCEPTION(InvalidHeaderNameException)

}  // namespace Quorum::Server::Mail
