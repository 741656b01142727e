#include "Quorum/Server/Mail/BodyPartException.h"

namespace Quorum::Server::Mail {

STRATA_DEFINE_EXCEPTION(BodyPartException)

}  // namespace Quorum::Server::Mail
