#include "Quorum/Server/Mail/BodyPartContentException.h"

namespace Quorum::Server::Mail {

STRATA_DEFINE_EXCEPTION(BodyPartContentException)

}  // namespace Quorum::Server::Mail
