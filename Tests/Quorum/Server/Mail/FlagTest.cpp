#include "Quorum/Server/Mail/Flag.h"

#include "MailTestSupport.h"
#include "Quorum/Server/Mail/MailFlags.h"

using namespace Quorum::Server::Mail;
using Strata::UniString;

TEST(Flag, AnyNonEmptyNameIsAcceptedAndComparedWithoutCase) {
  EXPECT_EQ(Flag("a \\\"b\",").ToString(), UniString("a \\\"b\","));
  EXPECT_EQ(Flag(MailFlags::Deleted), Flag("DELETED"));
  EXPECT_NE(Flag("Deleted"), Flag("Deleted "));
  EXPECT_EQ(MailTest::MessageOf<Strata::IllegalArgumentException>([] { Flag{UniString()}; }),
            "Invalid flag name: name is empty.");
  EXPECT_EQ(MailTest::Texts("Answered", "Completed", "Deleted", "Draft", "Flagged", "Read"),
            MailTest::Texts(MailFlags::Answered, MailFlags::Completed, MailFlags::Deleted,
                            MailFlags::Draft, MailFlags::Flagged, MailFlags::Read));
}

TEST(Flag, ChannelFormIsTheName) {
  const Flag flag("\u00fcber");
  EXPECT_EQ(MailTest::BytesOf(flag), MailTest::WrittenAs("\u00fcber"));
  EXPECT_EQ(MailTest::RoundTrip(flag).GetName(), flag.GetName());
  MailTest::ExpectTruncatedReadsLeaveUnchanged(Flag("Read"), flag);
}
