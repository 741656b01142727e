#include <gtest/gtest.h>

#include "MailTestSupport.h"
#include "Quorum/Server/Mail/MailboxQuota.h"

using Quorum::Server::Mail::MailboxQuota;

TEST(MailboxQuota, IsValidWhileTheSoftLimitIsNotAboveTheHardLimit) {
  MailboxQuota quota;
  EXPECT_EQ(quota, MailboxQuota(4294967295u, 4294967295u));
  EXPECT_TRUE(quota.IsValid());
  quota.SetHardLimit(100);
  EXPECT_FALSE(quota.IsValid());
  quota.SetSoftLimit(100);
  EXPECT_TRUE(quota.IsValid());
  EXPECT_NE(MailboxQuota(100, 1), MailboxQuota(1, 100));
}

TEST(MailboxQuota, CrossesChannelsHardLimitFirst) {
  const MailboxQuota quota(0x01020304u, 0x05060708u);
  EXPECT_EQ(MailTest::BytesOf(quota), (MailTest::Bytes{1, 2, 3, 4, 5, 6, 7, 8}));
  EXPECT_EQ(MailTest::RoundTrip(quota), quota);
  MailTest::ExpectTruncatedReadsLeaveUnchanged(MailboxQuota(1, 2), quota);
}
