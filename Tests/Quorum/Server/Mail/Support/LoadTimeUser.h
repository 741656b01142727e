// Copies of the mail library's named constants, taken by this library's
// static initialisers while it is loaded.
#pragma once

#include "Quorum/Server/Mail/MailboxName.h"
#include "Strata/UniChar.h"

#define MAIL_LOAD_TIME_USER_EXPORT __attribute__((visibility("default")))

namespace LoadTimeUser {

MAIL_LOAD_TIME_USER_EXPORT extern const Quorum::Server::Mail::MailboxName InboxCopy;
MAIL_LOAD_TIME_USER_EXPORT extern const Strata::UniChar SeparatorCopy;

}  // namespace LoadTimeUser
