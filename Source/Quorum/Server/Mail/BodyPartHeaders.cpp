#include "Quorum/Server/Mail/BodyPartHeaders.h"

namespace Quorum::Server::Mail {

const Strata::UniString BodyPartHeaders::ContentDisposition QUORUM_MAIL_LOAD_TIME_CONSTANT(
    "Content-Disposition");
const Strata::UniString BodyPartHeaders::ContentSize QUORUM_MAIL_LOAD_TIME_CONSTANT("Content-Size");
const Strata::UniString BodyPartHeaders::ContentType QUORUM_MAIL_LOAD_TIME_CONSTANT("Content-Type");

}  // namespace Quorum::Server::Mail
