#include "Quorum/Server/Mail/MailboxNames.h"

#include <gtest/gtest.h>

#include "LoadTimeUser.h"

// LoadTimeUser is a library of its own that copied the constants in its
// static initialisers, while it was being loaded.
TEST(MailboxNames, AreReadyForStaticInitialisersOfLinkingLibraries) {
  EXPECT_EQ(LoadTimeUser::InboxCopy.GetName(), Strata::UniString("Inbox"));
  EXPECT_EQ(LoadTimeUser::SeparatorCopy, u'/');
  EXPECT_EQ(Quorum::Server::Mail::MailboxNames::Inbox, LoadTimeUser::InboxCopy);
}
