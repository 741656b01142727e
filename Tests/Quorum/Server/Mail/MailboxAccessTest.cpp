#include "Quorum/Server/Mail/MailboxAccess.h"

#include "MailTestSupport.h"

using Quorum::Server::Mail::MailboxAccess;

TEST(MailboxAccess, WordsAreExactBothWays) {
  for (const auto& [access, word] :
       {std::pair(MailboxAccess::Opened, "opened"), std::pair(MailboxAccess::ReadOnly, "read-only"),
        std::pair(MailboxAccess::Closed, "closed")}) {
    EXPECT_EQ(MailboxAccess(access).ToString(), Strata::UniString(word));
    MailboxAccess parsed(static_cast<MailboxAccess::Access>(9));
    ASSERT_TRUE(MailboxAccess::Parse(word, parsed)) << word;
    EXPECT_EQ(parsed, access);
  }
  MailTest::ExpectParseRefuses(MailboxAccess(), "Invalid mailbox access string: string is empty.",
                               MailTest::Texts("READ-ONLY"));
  EXPECT_EQ(MailTest::BytesOf(MailboxAccess(MailboxAccess::Closed)), (MailTest::Bytes{0, 2}));
}
