// Importance and MailboxAccess share their word look-up and channel form;
// refusals and the signed short are checked in ImportanceTest.
#include "Quorum/Server/Mail/MailboxAccess.h"

#include "MailTestSupport.h"

using Quorum::Server::Mail::MailboxAccess;
using Strata::UniString;

TEST(MailboxAccess, WordsAreExactBothWays) {
  for (const auto& [access, word] :
       {std::pair(MailboxAccess::Opened, "opened"), std::pair(MailboxAccess::ReadOnly, "read-only"),
        std::pair(MailboxAccess::Closed, "closed")}) {
    EXPECT_EQ(MailboxAccess(access).ToString(), UniString(word));
    MailboxAccess parsed(static_cast<MailboxAccess::Access>(9));
    ASSERT_TRUE(MailboxAccess::Parse(word, parsed)) << word;
    EXPECT_EQ(parsed, access);
  }
  MailboxAccess access;
  EXPECT_EQ(MailTest::MessageOf<Strata::IllegalArgumentException>(
                [&] { MailboxAccess::Parse(UniString(), access); }),
            "Invalid mailbox access string: string is empty.");
  EXPECT_EQ(MailTest::BytesOf(MailboxAccess(MailboxAccess::Closed)), (MailTest::Bytes{0, 2}));
}
