#include "Quorum/Server/Mail/MailFlags.h"

namespace Quorum::Server::Mail {

const Strata::UniString MailFlags::Answered QUORUM_MAIL_LOAD_TIME_CONSTANT("Answered");
const Strata::UniString MailFlags::Completed QUORUM_MAIL_LOAD_TIME_CONSTANT("Completed");
const Strata::UniString MailFlags::Deleted QUORUM_MAIL_LOAD_TIME_CONSTANT("Deleted");
const Strata::UniString MailFlags::Draft QUORUM_MAIL_LOAD_TIME_CONSTANT("Draft");
const Strata::UniString MailFlags::Flagged QUORUM_MAIL_LOAD_TIME_CONSTANT("Flagged");
const Strata::UniString MailFlags::Read QUORUM_MAIL_LOAD_TIME_CONSTANT("Read");

}  // namespace Quorum::Server::Mail
