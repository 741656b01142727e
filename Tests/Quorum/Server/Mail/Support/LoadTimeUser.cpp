#include "LoadTimeUser.h"

#include "Quorum/Server/Mail/MailboxNames.h"
#include "Quorum/Server/Mail/MailboxNamespace.h"

namespace LoadTimeUser {

// Dynamic initialisers: they run when this library is loaded.
const Quorum::Server::Mail::MailboxName InboxCopy = Quorum::Server::Mail::MailboxNames::Inbox;
const Strata::UniChar SeparatorCopy = Quorum::Server::Mail::MailboxNamespace::SeparatorCharacter;

}  // namespace LoadTimeUser
