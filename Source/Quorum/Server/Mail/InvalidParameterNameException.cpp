#include "Quorum/Server/Mail/InvalidParameterNameException.h"

namespace Quorum::Server::Mail {

STRATA_DEFINE_EXCEPTION(InvalidParameterNameException)

}  // namespace Quorum::Server::Mail
