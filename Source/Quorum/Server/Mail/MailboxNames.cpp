#include "Quorum/Server/Mail/MailboxNames.h"

namespace Quorum::Server::Mail {

const MailboxName MailboxNames::Inbox QUORUM_MAIL_LOAD_TIME_CONSTANT(Strata::UniString("Inbox"));
const MailboxName MailboxNames::Sent QUORUM_MAIL_LOAD_TIME_CONSTANT(Strata::UniString("Sent"));

}  // namespace Quorum::Server::Mail
