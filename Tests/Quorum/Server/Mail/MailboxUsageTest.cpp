#include <gtest/gtest.h>

#include "MailTestSupport.h"
#include "Quorum/Server/Mail/MailboxUsage.h"

using Quorum::Server::Mail::MailboxUsage;

TEST(MailboxUsage, DefaultsToNothingUsed) {
  const MailboxUsage usage;
  EXPECT_EQ(usage.GetMailboxSize(), 0u);
  EXPECT_EQ(usage.GetMailCount(), 0u);
  EXPECT_EQ(usage, MailboxUsage());
}

TEST(MailboxUsage, SettersChangeOneNumberEach) {
  MailboxUsage usage;
  usage.SetMailboxSize(4096);
  usage.SetMailCount(3);
  EXPECT_EQ(usage, MailboxUsage(4096, 3));
  EXPECT_NE(usage, MailboxUsage(3, 4096));
}

TEST(MailboxUsage, CrossesChannelsSizeFirst) {
  const MailboxUsage usage(0x01020304u, 0x05060708u);
  EXPECT_EQ(MailTest::BytesOf(usage), (MailTest::Bytes{1, 2, 3, 4, 5, 6, 7, 8}));
  EXPECT_EQ(MailTest::RoundTrip(usage), usage);
  MailboxUsage target(1, 2);
  EXPECT_THROW(MailTest::ReadFrom(MailTest::Bytes{1, 2, 3, 4, 5}, target), Strata::IOException);
  EXPECT_EQ(target, MailboxUsage(1, 2));
}
