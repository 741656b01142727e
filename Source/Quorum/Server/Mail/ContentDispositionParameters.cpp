#include "Quorum/Server/Mail/ContentDispositionParameters.h"

namespace Quorum::Server::Mail {

const Strata::UniString ContentDispositionParameters::Filename QUORUM_MAIL_LOAD_TIME_CONSTANT(
    "filename");

}  // namespace Quorum::Server::Mail
