#include <gtest/gtest.h>

#include "LoadTimeUser.h"
#include "Quorum/Server/Mail/MailboxNames.h"
#include "Quorum/Server/Mail/MailboxNamespace.h"

using Quorum::Server::Mail::MailboxNames;
using Strata::UniString;

TEST(MailboxNames, HoldTheWellKnownNames) {
  EXPECT_EQ(MailboxNames::Inbox.GetName(), UniString("Inbox"));
  EXPECT_EQ(MailboxNames::Sent.GetName(), UniString("Sent"));
  EXPECT_EQ(Quorum::Server::Mail::MailboxNamespace::SeparatorCharacter, u'/');
}

// LoadTimeUser is a library of its own that copied the constants in its
// static initialisers, while it was being loaded.
TEST(MailboxNames, AreReadyForStaticInitialisersOfLinkingLibraries) {
  EXPECT_EQ(LoadTimeUser::InboxCopy, MailboxNames::Inbox);
  EXPECT_EQ(LoadTimeUser::InboxCopy.GetName(), UniString("Inbox"));
  EXPECT_EQ(LoadTimeUser::SentCopy.GetName(), UniString("Sent"));
  EXPECT_EQ(LoadTimeUser::SeparatorCopy, u'/');
}
