// MailboxQuota and MailboxUsage share their channel form; truncated reads are
// checked here.
#include "Quorum/Server/Mail/MailboxQuota.h"

#include "MailTestSupport.h"

using Quorum::Server::Mail::MailboxQuota;

TEST(MailboxQuota, IsValidWhileTheSoftLimitIsNotAboveTheHardLimitAndCrossesChannelsHardFirst) {
  MailboxQuota quota(0x01020304u, 0x05060708u);
  EXPECT_FALSE(quota.IsValid());
  EXPECT_EQ(MailTest::BytesOf(quota), (MailTest::Bytes{1, 2, 3, 4, 5, 6, 7, 8}));
  EXPECT_EQ(MailTest::RoundTrip(quota), quota);
  MailTest::ExpectTruncatedReadsLeaveUnchanged(MailboxQuota(1, 2), quota);
  quota.SetSoftLimit(0x01020304u);
  EXPECT_TRUE(quota.IsValid());
  EXPECT_EQ(MailboxQuota(), MailboxQuota(4294967295u, 4294967295u));
}

TEST(MailboxQuota, KeepsTheHardAndTheSoftLimitApart) {
  MailboxQuota quota(10, 5);
  EXPECT_TRUE(quota.GetHardLimit() == 10 && quota.GetSoftLimit() == 5 && quota.IsValid());
  quota.SetHardLimit(4);
  EXPECT_TRUE(quota.GetHardLimit() == 4 && quota.GetSoftLimit() == 5 && !quota.IsValid());
}
