#include "Quorum/Server/Mail/ParameterException.h"

namespace Quorum::Server::Mail {

STRATA_DEFINE_EXCEPTION(ParameterException)

}  // namespace Quorum::Server::Mail
