#include <gtest/gtest.h>

#include "MailTestSupport.h"
#include "Quorum/Server/Mail/InvalidMailboxNameException.h"
#include "Quorum/Server/Mail/MailboxName.h"
#include "Quorum/Server/Mail/MailboxNameException.h"
#include "Strata/IllegalArgumentException.h"

using Quorum::Server::Mail::MailboxName;
using Strata::UniString;

TEST(MailboxName, NameRuleAcceptsOnlyLettersAndDigits) {
  for (const char* good :
       {"Inbox", "Sent", "a", "2024", "Entw\xC3\xBCrfe", "\xE6\x94\xB6\xE4\xBB\xB6"}) {
    EXPECT_TRUE(MailboxName::IsValidName(UniString(good))) << good;
  }
  for (const char* bad :
       {"", "In box", "In_box", "In-box", "In:box", "In/box", "Inbox.", " Inbox"}) {
    EXPECT_FALSE(MailboxName::IsValidName(UniString(bad))) << bad;
  }
}

TEST(MailboxName, ConstructorRefusesEmptyAndMalformedText) {
  try {
    MailboxName name{UniString()};
    FAIL();
  } catch (const Strata::IllegalArgumentException& e) {
    EXPECT_STREQ(e.what(), "Invalid mailbox name: name is empty.");
    EXPECT_EQ(e.GetErrorCode(), -50);
  }
  try {
    MailboxName name{UniString("Old-Mail")};
    FAIL();
  } catch (const Quorum::Server::Mail::MailboxNameException& e) {
    EXPECT_NE(dynamic_cast<const Quorum::Server::Mail::InvalidMailboxNameException*>(&e), nullptr);
    EXPECT_STREQ(e.what(), "Invalid mailbox name: 'Old-Mail'.");
    EXPECT_EQ(e.GetErrorCode(), -7003);
    EXPECT_STREQ(e.GetSourceFile(), "Source/Quorum/Server/Mail/MailboxName.cpp");
  }
}

TEST(MailboxName, ParseRefusesWithoutTouchingTheResult) {
  MailboxName name(UniString("Inbox"));
  EXPECT_FALSE(MailboxName::Parse(UniString("Old Mail"), name));
  EXPECT_EQ(name.GetName(), UniString("Inbox"));
  EXPECT_TRUE(MailboxName::Parse(UniString("Archive2"), name));
  EXPECT_EQ(name.GetName(), UniString("Archive2"));
  EXPECT_EQ(MailTest::MessageOf<Strata::IllegalArgumentException>(
                [&] { MailboxName::Parse(UniString(), name); }),
            "Invalid mailbox name string: string is empty.");
}

TEST(MailboxName, ComparesExactlyAndHashesAsItsText) {
  const MailboxName inbox(UniString("Inbox"));
  EXPECT_EQ(inbox, MailboxName(UniString("Inbox")));
  EXPECT_NE(inbox, MailboxName(UniString("INBOX")));
  EXPECT_EQ(inbox.GenerateHashValue(), UniString("Inbox").GenerateHashValue());
  EXPECT_EQ(inbox.ToString(), UniString("Inbox"));
}

TEST(MailboxName, ReadTakesAnyTextWithoutValidating) {
  MailboxName name;
  EXPECT_FALSE(name.IsValid());
  MailTest::ReadFrom(MailTest::WrittenBy([](Strata::OChannelX& c) { c.WriteUniString("a_b"); }),
                     name);
  EXPECT_TRUE(name.IsValid());
  EXPECT_FALSE(MailboxName::IsValidName(name.GetName()));
  EXPECT_EQ(MailTest::RoundTrip(name), name);
}

TEST(MailboxName, TruncatedChannelLeavesTheNameUnchanged) {
  MailboxName name(UniString("Inbox"));
  const MailTest::Bytes bytes = MailTest::BytesOf(MailboxName(UniString("Archive")));
  EXPECT_THROW(MailTest::ReadFrom(MailTest::Truncated(bytes, bytes.size() - 1), name),
               Strata::IOException);
  EXPECT_EQ(name.GetName(), UniString("Inbox"));
}
