#include <gtest/gtest.h>

#include "MailTestSupport.h"
#include "Quorum/Server/Mail/MailboxAccess.h"
#include "Strata/IllegalArgumentException.h"

using Quorum::Server::Mail::MailboxAccess;
using Strata::UniString;

TEST(MailboxAccess, WordsAreExactBothWays) {
  struct Case {
    MailboxAccess::Access access;
    const char* word;
  };
  for (const Case& c :
       {Case{MailboxAccess::Opened, "opened"}, Case{MailboxAccess::ReadOnly, "read-only"},
        Case{MailboxAccess::Closed, "closed"}}) {
    EXPECT_EQ(MailboxAccess(c.access).ToString(), UniString(c.word));
    MailboxAccess parsed(c.access == MailboxAccess::Opened ? MailboxAccess::Closed
                                                           : MailboxAccess::Opened);
    ASSERT_TRUE(MailboxAccess::Parse(UniString(c.word), parsed)) << c.word;
    EXPECT_EQ(parsed, c.access);
  }
  EXPECT_EQ(MailboxAccess(), MailboxAccess::Opened);
}

TEST(MailboxAccess, ParseRefusesOtherTextWithoutTouchingTheResult) {
  for (const char* bad :
       {"Opened", "readonly", "read-only ", " closed", "READ-ONLY", "1", "open"}) {
    MailboxAccess access(MailboxAccess::Closed);
    EXPECT_FALSE(MailboxAccess::Parse(UniString(bad), access)) << bad;
    EXPECT_EQ(access, MailboxAccess::Closed);
  }
  MailboxAccess access;
  EXPECT_EQ(MailTest::MessageOf<Strata::IllegalArgumentException>(
                [&] { MailboxAccess::Parse(UniString(), access); }),
            "Invalid mailbox access string: string is empty.");
}

TEST(MailboxAccess, OtherNumbersHaveNoTextAndCrossChannelsAsOneShort) {
  const MailboxAccess three(static_cast<MailboxAccess::Access>(3));
  EXPECT_TRUE(three.ToString().IsEmpty());
  EXPECT_EQ(static_cast<int>(three), 3);
  EXPECT_EQ(MailTest::BytesOf(MailboxAccess(MailboxAccess::Closed)), (MailTest::Bytes{0, 2}));
  for (int value : {0, 1, 2, 3, -1, 32767, -32768}) {
    const MailboxAccess access(static_cast<MailboxAccess::Access>(value));
    EXPECT_EQ(static_cast<int>(MailTest::RoundTrip(access)), value);
  }
  // Only the low 16 bits cross; the reader sign-extends them.
  EXPECT_EQ(static_cast<int>(
                MailTest::RoundTrip(MailboxAccess(static_cast<MailboxAccess::Access>(0x18000)))),
            -32768);
}
