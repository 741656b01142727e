#include "Quorum/Server/Mail/MailboxUsage.h"

#include "MailTestSupport.h"

using Quorum::Server::Mail::MailboxUsage;

TEST(MailboxUsage, CrossesChannelsSizeFirst) {
  MailboxUsage usage;
  usage.SetMailboxSize(0x01020304u);
  usage.SetMailCount(0x05060708u);
  EXPECT_EQ(MailTest::BytesOf(usage), (MailTest::Bytes{1, 2, 3, 4, 5, 6, 7, 8}));
}
