#include "Quorum/Server/Mail/Address.h"

#include "MailTestSupport.h"
#include "Quorum/Server/Mail/AddressList.h"
#include "Quorum/Server/Mail/InvalidAddressException.h"

using namespace Quorum::Server::Mail;
using MailTest::MessageOf;
using Strata::UniString;

const MailboxId kId(UniString("Projects:Inbox:ann"));

TEST(Address, TextFormQuotesTheNameEscapingOnlyBackslashAndQuoteAndParsesBack) {
  EXPECT_EQ(Address(kId, "C:\\x;\"'").ToString(),
            UniString("\"C:\\\\x;\\\"'\" <Projects:Inbox:ann>"));
  const MailboxId id(UniString("a/b_c-d:Entw\xC3\xBCrfe:o;w\"n<er\\"));
  for (const UniString& name :
       MailTest::Texts(u"A\"B", u"\\", u"\\\"", u"\"", u"a;b", u"<x@y>", u"x > y <", u"  sp  ",
                       u"J\u00f6rg \u00c5str\u00f6m", u"\u6536", u"tab\there")) {
    Address parsed;
    ASSERT_TRUE(Address::Parse(Address(id, name).ToString(), parsed)) << name.ToCStr();
    EXPECT_EQ(parsed, Address(id, name)) << name.ToCStr();
  }
}

TEST(Address, ParseTakesAnyNumberOfSpacesBeforeTheBracketAndRefusesTheRest) {
  Address result;
  ASSERT_TRUE(Address::Parse("\"Ann\"    <:Inbox:>", result));
  ASSERT_TRUE(Address::Parse("\"Ann\"<:Inbox:>", result));
  EXPECT_EQ(result.ToString(), UniString("\"Ann\" <:Inbox:>"));
  MailTest::ExpectParseRefuses(
      result, "Invalid address string: string is empty.",
      MailTest::Texts("Ann <:Inbox:>", " \"Ann\" <:Inbox:>", "\"\" <:Inbox:>", "\"Ann\" <:Inbox:> ",
                      "\"Ann\" <:Inbox:>x", "\"Ann\"\t<:Inbox:>", "\"A\\nn\" <:Inbox:>", "\"Ann\\",
                      "\"Ann <:Inbox:>", "\"", "\"Ann\"", "\"Ann\"   ", "\"Ann\" :Inbox:>",
                      "\"Ann\" <", "\"Ann\" <:Inbox:", "\"Ann\" <>", "\"Ann\" <Inbox>",
                      "\"Ann\" <:In-box:>", "\"A\" <:Inbox:>;\"B\" <:Inbox:>"));
}

TEST(Address, ConstructorsReportTheFirstFault) {
  EXPECT_EQ(MessageOf<Strata::IllegalArgumentException>([] { Address(MailboxId(), UniString()); }),
            "Invalid mailbox id: mailbox id is not valid.");
  EXPECT_EQ(MessageOf<Strata::IllegalArgumentException>([] { Address(kId, UniString()); }),
            "Invalid personal name: name is empty.");
  EXPECT_EQ(MessageOf<Strata::IllegalArgumentException>([] { Address{UniString()}; }),
            "Invalid address string: string is empty.");
  EXPECT_EQ(MessageOf<InvalidAddressException>([] { Address{UniString("Ann <:Inbox:>")}; }),
            "Invalid address: 'Ann <:Inbox:>'.");
  EXPECT_EQ(Address(UniString("\"Ann\" <Projects:Inbox:ann>")), Address(kId, "Ann"));
}

TEST(Address, EqualityHashAndChannelForm) {
  EXPECT_NE(Address(kId, "Ann"), Address(kId, "ann"));
  EXPECT_EQ(Address(kId, "Ann").GenerateHashValue(),
            (kId.GenerateHashValue() + 629u) * 37u + UniString("Ann").GenerateHashValue());
  const Address address(kId, "A\"nn");
  EXPECT_EQ(MailTest::BytesOf(address), MailTest::WrittenAs(kId, "A\"nn"));
  EXPECT_EQ(MailTest::RoundTrip(address), address);
  MailTest::ExpectTruncatedReadsLeaveUnchanged(Address(kId, "Keep"), address);
}

// The mailbox id text of an address ends at its first '>'; an id holding one
// would print as text that reads back as other addresses.
TEST(Address, MailboxIdWithGreaterThanCannotMakeAnAddress) {
  const MailboxId forged(MailboxNamespace(), MailboxName("Inbox"),
                         OwnerId(UniString("a>;\"Admin\" <:Inbox:admin")));
  EXPECT_EQ(MessageOf<Strata::IllegalArgumentException>([&] { Address(forged, "Eve"); }),
            "Invalid mailbox id: mailbox id is not valid.");
  Address read;
  MailTest::ReadFrom(MailTest::WrittenAs("", "Inbox", "a>b", "Eve"), read);
  EXPECT_FALSE(read.IsValid());
  EXPECT_EQ(read.ToString(), "");
  EXPECT_THROW(AddressList().Append(read), Strata::IllegalArgumentException);
}
