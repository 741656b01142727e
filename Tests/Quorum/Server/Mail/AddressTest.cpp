#include <gtest/gtest.h>

#include "MailTestSupport.h"
#include "Quorum/Server/Mail/Address.h"
#include "Quorum/Server/Mail/AddressException.h"
#include "Quorum/Server/Mail/InvalidAddressException.h"
#include "Strata/IllegalArgumentException.h"

using namespace Quorum::Server::Mail;
using MailTest::MessageOf;
using MailTest::U;
using Strata::UniString;

namespace {

const MailboxId kId(UniString("Projects:Inbox:ann"));

Address Ann(std::u16string_view personal) { return Address(kId, U(personal)); }

}  // namespace

TEST(Address, TextFormQuotesTheNameEscapingOnlyBackslashAndQuote) {
  EXPECT_EQ(Ann(u"A\"B").ToString(), U(u"\"A\\\"B\" <Projects:Inbox:ann>"));
  EXPECT_EQ(Ann(u"C:\\x;'").ToString(), U(u"\"C:\\\\x;'\" <Projects:Inbox:ann>"));
}

TEST(Address, RoundTripsAwkwardValues) {
  const char16_t* names[] = {u"A\"B",    u"\\",         u"\\\"",
                             u"\"",      u"a;b",        u"<x@y>",
                             u"x > y <", u"  spaced  ", u"J\u00f6rg \u00c5str\u00f6m",
                             u"\u6536",  u"tab\there"};
  const char* ids[] = {":Inbox:", "Projects:Inbox:a:b", "a/b_c-d:Entw\xC3\xBCrfe:J\xC3\xB6rg",
                       ":Sent:o;w\"n<er\\"};
  for (const char* id : ids) {
    for (const char16_t* name : names) {
      const Address address{MailboxId(UniString(id)), U(name)};
      Address parsed;
      ASSERT_TRUE(Address::Parse(address.ToString(), parsed)) << address.ToString().ToCStr();
      EXPECT_EQ(parsed, address) << address.ToString().ToCStr();
    }
  }
}

TEST(Address, ParseAcceptsAnyNumberOfSpacesBeforeTheAngleBracket) {
  for (const char16_t* text : {u"\"Ann\"<:Inbox:>", u"\"Ann\"    <:Inbox:>"}) {
    Address parsed;
    ASSERT_TRUE(Address::Parse(U(text), parsed)) << U(text).ToCStr();
    EXPECT_EQ(parsed.ToString(), U(u"\"Ann\" <:Inbox:>"));
  }
}

TEST(Address, ParseRefusesMalformedTextWithoutTouchingTheResult) {
  const char16_t* malformed[] = {
      u"Ann <:Inbox:>",
      u" \"Ann\" <:Inbox:>",
      u"\"\" <:Inbox:>",
      u"\"Ann\" <:Inbox:> ",
      u"\"Ann\" <:Inbox:>x",
      u"\"Ann\"\t<:Inbox:>",
      u"\"A\\nn\" <:Inbox:>",
      u"\"Ann\\",
      u"\"Ann <:Inbox:>",
      u"\"",
      u"\"Ann\"",
      u"\"Ann\"   ",
      u"\"Ann\" :Inbox:>",
      u"\"Ann\" <",
      u"\"Ann\" <:Inbox:",
      u"\"Ann\" <>",
      u"\"Ann\" <Inbox>",
      u"\"Ann\" <:In-box:>",
      u"\"A\" <:Inbox:>;\"B\" <:Inbox:>",
  };
  const Address before = Ann(u"Keep");
  for (const char16_t* text : malformed) {
    Address result = before;
    EXPECT_FALSE(Address::Parse(U(text), result)) << U(text).ToCStr();
    EXPECT_EQ(result, before);
  }
}

TEST(Address, ConstructorsReportTheFirstFault) {
  EXPECT_EQ(MessageOf<Strata::IllegalArgumentException>([] { Address(MailboxId(), UniString()); }),
            "Invalid mailbox id: mailbox id is not valid.");
  EXPECT_EQ(MessageOf<Strata::IllegalArgumentException>([] { Address(kId, UniString()); }),
            "Invalid personal name: name is empty.");
  EXPECT_EQ(MessageOf<Strata::IllegalArgumentException>([] { Address{UniString()}; }),
            "Invalid address string: string is empty.");
  EXPECT_EQ(MessageOf<AddressException>([] { Address{UniString("Ann <:Inbox:>")}; }),
            "Invalid address: 'Ann <:Inbox:>'.");
  EXPECT_THROW(Address{UniString("\"Ann\"")}, InvalidAddressException);
  EXPECT_EQ(Address(U(u"\"Ann\" <Projects:Inbox:ann>")), Ann(u"Ann"));
}

TEST(Address, EqualityAndHash) {
  EXPECT_NE(Ann(u"Ann"), Ann(u"ann"));
  EXPECT_NE(Ann(u"Ann"), Address(MailboxId(UniString(":Inbox:ann")), UniString("Ann")));
  EXPECT_EQ(Ann(u"Ann").GenerateHashValue(),
            (kId.GenerateHashValue() + 629u) * 37u + UniString("Ann").GenerateHashValue());
}

TEST(Address, ChannelFormIsTheMailboxIdThenTheName) {
  const Address address = Ann(u"A\"nn");
  EXPECT_EQ(MailTest::BytesOf(address), MailTest::WrittenBy([](Strata::OChannelX& c) {
              kId.Write(c);
              c.WriteUniString(U(u"A\"nn"));
            }));
  EXPECT_EQ(MailTest::RoundTrip(address), address);
  MailTest::ExpectTruncatedReadsLeaveUnchanged(Ann(u"Keep"), address);
}
