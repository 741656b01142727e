#include <gtest/gtest.h>

#include "MailTestSupport.h"
#include "Quorum/Server/Mail/MailboxQuota.h"

using Quorum::Server::Mail::MailboxQuota;

TEST(MailboxQuota, DefaultsToTheLargestLimitsAndIsValid) {
  const MailboxQuota quota;
  EXPECT_EQ(quota.GetHardLimit(), 4294967295u);
  EXPECT_EQ(quota.GetSoftLimit(), 4294967295u);
  EXPECT_TRUE(quota.IsValid());
}

TEST(MailboxQuota, IsValidWhileTheSoftLimitIsNotAboveTheHardLimit) {
  MailboxQuota quota(100, 100);
  EXPECT_TRUE(quota.IsValid());
  quota.SetSoftLimit(101);
  EXPECT_FALSE(quota.IsValid());
  quota.SetHardLimit(200);
  EXPECT_TRUE(quota.IsValid());
  EXPECT_EQ(quota, MailboxQuota(200, 101));
  EXPECT_NE(quota, MailboxQuota(101, 200));
}

TEST(MailboxQuota, CrossesChannelsHardLimitFirst) {
  const MailboxQuota quota(0x01020304u, 0x05060708u);
  EXPECT_EQ(MailTest::BytesOf(quota), (MailTest::Bytes{1, 2, 3, 4, 5, 6, 7, 8}));
  EXPECT_EQ(MailTest::RoundTrip(quota), quota);
  MailboxQuota target(1, 2);
  EXPECT_THROW(MailTest::ReadFrom(MailTest::Bytes{1, 2, 3, 4, 5, 6, 7}, target),
               Strata::IOException);
  EXPECT_EQ(target, MailboxQuota(1, 2));
}
