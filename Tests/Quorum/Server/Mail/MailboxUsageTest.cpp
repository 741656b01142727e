#include "Quorum/Server/Mail/MailboxUsage.h"

#include "MailTestSupport.h"

using Quorum::Server::Mail::MailboxUsage;

TEST(MailboxUsage, CrossesChannelsSizeFirst) {
  MailboxUsage usage;
  usage.SetMailboxSize(0x01020304u);
  usage.SetMailCount(0x05060708u);
  EXPECT_EQ(MailTest::BytesOf(usage), (MailTest::Bytes{1, 2, 3, 4, 5, 6, 7, 8}));
}

TEST(MailboxUsage, KeepsTheSizeAndTheCountApart) {
  const MailboxUsage usage(100, 3);
  EXPECT_TRUE(usage.GetMailboxSize() == 100 && usage.GetMailCount() == 3);
  EXPECT_TRUE(usage == MailboxUsage(100, 3) && !(usage == MailboxUsage(3, 100)));
}
