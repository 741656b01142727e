#include <gtest/gtest.h>

#include "MailTestSupport.h"
#include "Quorum/Server/Mail/MailboxAccess.h"
#include "Strata/IllegalArgumentException.h"

using Quorum::Server::Mail::MailboxAccess;
using Strata::UniString;

TEST(MailboxAccess, WordsAreExactBothWays) {
  const std::pair<MailboxAccess::Access, const char*> words[] = {
      {MailboxAccess::Opened, "opened"},
      {MailboxAccess::ReadOnly, "read-only"},
      {MailboxAccess::Closed, "closed"}};
  for (const auto& [access, word] : words) {
    EXPECT_EQ(MailboxAccess(access).ToString(), UniString(word));
    MailboxAccess parsed(static_cast<MailboxAccess::Access>(9));
    ASSERT_TRUE(MailboxAccess::Parse(UniString(word), parsed)) << word;
    EXPECT_EQ(parsed, access);
  }
  EXPECT_TRUE(MailboxAccess(static_cast<MailboxAccess::Access>(3)).ToString().IsEmpty());
}

TEST(MailboxAccess, ParseRefusesOtherTextWithoutTouchingTheResult) {
  for (const char* bad : {"Opened", "readonly", "read-only ", " closed", "READ-ONLY", "1"}) {
    MailboxAccess access(MailboxAccess::Closed);
    EXPECT_FALSE(MailboxAccess::Parse(UniString(bad), access)) << bad;
    EXPECT_EQ(access, MailboxAccess::Closed);
  }
  MailboxAccess access;
  EXPECT_EQ(MailTest::MessageOf<Strata::IllegalArgumentException>(
                [&] { MailboxAccess::Parse(UniString(), access); }),
            "Invalid mailbox access string: string is empty.");
}

TEST(MailboxAccess, CrossesChannelsAsOneShort) {
  EXPECT_EQ(MailTest::BytesOf(MailboxAccess(MailboxAccess::Closed)), (MailTest::Bytes{0, 2}));
  for (const int value : {0, 3, -1, 32767, -32768}) {
    const MailboxAccess access(static_cast<MailboxAccess::Access>(value));
    EXPECT_EQ(static_cast<int>(MailTest::RoundTrip(access)), value);
  }
}
