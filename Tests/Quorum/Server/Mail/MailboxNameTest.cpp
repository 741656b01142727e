#include "Quorum/Server/Mail/MailboxName.h"

#include <gtest/gtest.h>

#include "MailTestSupport.h"
#include "Quorum/Server/Mail/InvalidMailboxNameException.h"

using MailTest::MessageOf;
using Quorum::Server::Mail::MailboxName;
using Strata::UniString;

TEST(MailboxName, NamesHoldOnlyLettersAndDigits) {
  for (const char* good : {"Inbox", "2024", "Entw\xC3\xBCrfe", "\xE6\x94\xB6\xE4\xBB\xB6"}) {
    EXPECT_TRUE(MailboxName::IsValidName(good)) << good;
  }
  for (const char* bad : {"", "In box", "In_box", "In-box", "In:box", "In/box", "Inbox."}) {
    EXPECT_FALSE(MailboxName::IsValidName(bad)) << bad;
  }
  EXPECT_EQ(MessageOf<Strata::IllegalArgumentException>([] { MailboxName{UniString()}; }),
            "Invalid mailbox name: name is empty.");
  try {
    MailboxName name{UniString("Old-Mail")};
    FAIL();
  } catch (const Quorum::Server::Mail::InvalidMailboxNameException& e) {
    EXPECT_STREQ(e.what(), "Invalid mailbox name: 'Old-Mail'.");
    EXPECT_EQ(e.GetErrorCode(), -7003);
    EXPECT_STREQ(e.GetSourceFile(), "Source/Quorum/Server/Mail/MailboxName.cpp");
  }
}

TEST(MailboxName, ParseRefusesWithoutTouchingTheResult) {
  MailboxName name(UniString("Inbox"));
  EXPECT_FALSE(MailboxName::Parse("Old Mail", name));
  EXPECT_EQ(name, MailboxName(UniString("Inbox")));
  EXPECT_EQ(MessageOf<Strata::IllegalArgumentException>([&] { MailboxName::Parse({}, name); }),
            "Invalid mailbox name string: string is empty.");
}

TEST(MailboxName, ReadTakesAnyTextWithoutValidating) {
  MailboxName name;
  MailTest::ReadFrom(MailTest::WrittenBy([](Strata::OChannelX& c) { c.WriteUniString("a_b"); }),
                     name);
  EXPECT_EQ(name.GetName(), UniString("a_b"));
  MailTest::ExpectTruncatedReadsLeaveUnchanged(MailboxName(UniString("Inbox")), name);
}
