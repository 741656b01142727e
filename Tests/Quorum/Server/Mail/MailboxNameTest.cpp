#include "Quorum/Server/Mail/MailboxName.h"

#include "MailTestSupport.h"
#include "Quorum/Server/Mail/InvalidMailboxNameException.h"

using namespace Quorum::Server::Mail;
using MailTest::FaultOf;
using Strata::UniString;

TEST(MailboxName, NamesHoldOnlyLettersAndDigits) {
  for (const char* good : {"Inbox", "2024", "Entw\xC3\xBCrfe", "\xE6\x94\xB6\xE4\xBB\xB6"})
    EXPECT_TRUE(MailboxName::IsValidName(good)) << good;
  for (const char* bad : {"", "In box", "In_box", "In-box", "In:box", "In/box", "Inbox."})
    EXPECT_FALSE(MailboxName::IsValidName(bad)) << bad;
  EXPECT_EQ(
      FaultOf<Strata::IllegalArgumentException>([] { MailboxName{UniString()}; }),
      "Invalid mailbox name: name is empty. (Source/Quorum/Server/Mail/MailboxName.cpp, -50)");
  EXPECT_EQ(FaultOf<InvalidMailboxNameException>([] { MailboxName{UniString("Old-Mail")}; }),
            "Invalid mailbox name: 'Old-Mail'. (Source/Quorum/Server/Mail/MailboxName.cpp, -7003)");
}

TEST(MailboxName, ParseRefusesWithoutTouchingTheResultAndReadTakesAnyText) {
  MailTest::ExpectParseRefuses(MailboxName(UniString("Inbox")),
                               "Invalid mailbox name string: string is empty.",
                               MailTest::Texts("Old Mail"));
  MailboxName name;
  MailTest::ReadFrom(MailTest::WrittenAs("a_b"), name);
  EXPECT_EQ(name.GetName(), UniString("a_b"));
  MailTest::ExpectTruncatedReadsLeaveUnchanged(MailboxName(UniString("Inbox")), name);
}
