#include "Quorum/Server/Mail/MailHeaders.h"

namespace Quorum::Server::Mail {

const Strata::UniString MailHeaders::From QUORUM_MAIL_LOAD_TIME_CONSTANT("From");
const Strata::UniString MailHeaders::Importance QUORUM_MAIL_LOAD_TIME_CONSTANT("Importance");
const Strata::UniString MailHeaders::InReplyTo QUORUM_MAIL_LOAD_TIME_CONSTANT("In-Reply-To");
const Strata::UniString MailHeaders::Received QUORUM_MAIL_LOAD_TIME_CONSTANT("Received");
const Strata::UniString MailHeaders::ReplyTo QUORUM_MAIL_LOAD_TIME_CONSTANT("Reply-To");
const Strata::UniString MailHeaders::Sent QUORUM_MAIL_LOAD_TIME_CONSTANT("Sent");
const Strata::UniString MailHeaders::Subject QUORUM_MAIL_LOAD_TIME_CONSTANT("Subject");
const Strata::UniString MailHeaders::To QUORUM_MAIL_LOAD_TIME_CONSTANT("To");

}  // namespace Quorum::Server::Mail
