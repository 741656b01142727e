#include <gtest/gtest.h>

#include "MailTestSupport.h"
#include "Quorum/Server/Mail/Address.h"
#include "Quorum/Server/Mail/AddressException.h"
#include "Quorum/Server/Mail/InvalidAddressException.h"
#include "Strata/IllegalArgumentException.h"

using namespace Quorum::Server::Mail;
using Strata::UniString;

namespace {

const MailboxId kId(UniString("Projects:Inbox:ann"));

Address Ann(const UniString& personal) { return Address(kId, personal); }

}  // namespace

TEST(Address, TextFormQuotesTheNameEscapingOnlyBackslashAndQuote) {
  EXPECT_EQ(Ann(MailTest::U(u"A\"B")).ToString(), MailTest::U(u"\"A\\\"B\" <Projects:Inbox:ann>"));
  EXPECT_EQ(Ann(MailTest::U(u"C:\\x")).ToString(),
            MailTest::U(u"\"C:\\\\x\" <Projects:Inbox:ann>"));
  EXPECT_EQ(Ann(MailTest::U(u"plain")).ToString(), MailTest::U(u"\"plain\" <Projects:Inbox:ann>"));
}

TEST(Address, RoundTripsAwkwardValues) {
  const char16_t* names[] = {u"A\"B",
                             u"\\",
                             u"\\\"",
                             u"\"",
                             u"a;b",
                             u"<x@y>",
                             u"x > y <",
                             u"  spaced  ",
                             u"J\u00f6rg \u00c5str\u00f6m",
                             u"\u6536\u4ef6\u4eba",
                             u"tab\there"};
  const char* ids[] = {":Inbox:", "Projects:Inbox:a:b", "a/b_c-d:Entw\xC3\xBCrfe:J\xC3\xB6rg",
                       ":Sent:o;w\"n<er\\"};
  for (const char* idText : ids) {
    for (const char16_t* name : names) {
      const Address address{MailboxId(UniString(idText)), MailTest::U(name)};
      Address parsed;
      ASSERT_TRUE(Address::Parse(address.ToString(), parsed)) << address.ToString().ToCStr();
      EXPECT_EQ(parsed, address) << address.ToString().ToCStr();
    }
  }
}

TEST(Address, ParseAcceptsAnyNumberOfSpacesBeforeTheAngleBracket) {
  for (const char16_t* text :
       {u"\"Ann\"<:Inbox:>", u"\"Ann\" <:Inbox:>", u"\"Ann\"    <:Inbox:>"}) {
    Address parsed;
    ASSERT_TRUE(Address::Parse(MailTest::U(text), parsed)) << MailTest::U(text).ToCStr();
    EXPECT_EQ(parsed, Address(MailboxId(UniString(":Inbox:")), UniString("Ann")));
    EXPECT_EQ(parsed.ToString(), MailTest::U(u"\"Ann\" <:Inbox:>"));
  }
}

TEST(Address, ParseRefusesMalformedTextWithoutTouchingTheResult) {
  const char16_t* malformed[] = {
      u"Ann <:Inbox:>",                       // name not quoted
      u" \"Ann\" <:Inbox:>",                  // leading space
      u"\"\" <:Inbox:>",                      // empty name
      u"\"Ann\" <:Inbox:> ",                  // trailing space
      u"\"Ann\" <:Inbox:>x",                  // text after '>'
      u"\"Ann\"\t<:Inbox:>",                  // only spaces may precede '<'
      u"\"A\\nn\" <:Inbox:>",                 // backslash before an ordinary character
      u"\"Ann\\",                             // backslash last
      u"\"Ann <:Inbox:>",                     // no closing quotation mark
      u"\"",                                  // lone quotation mark
      u"\"Ann\"",                             // nothing after the name
      u"\"Ann\"   ",                          // only spaces after the name
      u"\"Ann\" :Inbox:>",                    // no '<'
      u"\"Ann\" <",                           // '<' last
      u"\"Ann\" <:Inbox:",                    // no '>'
      u"\"Ann\" <>",                          // empty mailbox id
      u"\"Ann\" <Inbox>",                     // mailbox id without colons
      u"\"Ann\" <:In-box:>",                  // malformed mailbox name
      u"\"Ann\" <:Inbox:>;\"Bo\" <:Inbox:>",  // two addresses
  };
  const Address before = Ann(UniString("Keep"));
  for (const char16_t* text : malformed) {
    Address result = before;
    EXPECT_FALSE(Address::Parse(MailTest::U(text), result)) << MailTest::U(text).ToCStr();
    EXPECT_EQ(result, before);
  }
}

TEST(Address, ConstructorsReportTheFirstFault) {
  EXPECT_EQ(MailTest::MessageOf<Strata::IllegalArgumentException>([&] {
              Address address{MailboxId(), UniString()};
            }),
            "Invalid mailbox id: mailbox id is not valid.");
  EXPECT_EQ(MailTest::MessageOf<Strata::IllegalArgumentException>(
                [&] { Address address(kId, UniString()); }),
            "Invalid personal name: name is empty.");
  EXPECT_EQ(
      MailTest::MessageOf<Strata::IllegalArgumentException>([&] { Address address{UniString()}; }),
      "Invalid address string: string is empty.");
  try {
    Address address{UniString("Ann <:Inbox:>")};
    FAIL();
  } catch (const AddressException& e) {
    EXPECT_NE(dynamic_cast<const InvalidAddressException*>(&e), nullptr);
    EXPECT_STREQ(e.what(), "Invalid address: 'Ann <:Inbox:>'.");
    EXPECT_EQ(e.GetErrorCode(), -7003);
  }
  EXPECT_EQ(Address(MailTest::U(u"\"Ann\" <Projects:Inbox:ann>")), Ann(UniString("Ann")));
}

TEST(Address, EqualityAndHash) {
  EXPECT_EQ(Ann(UniString("Ann")), Ann(UniString("Ann")));
  EXPECT_NE(Ann(UniString("Ann")), Ann(UniString("ann")));
  EXPECT_NE(Ann(UniString("Ann")), Address(MailboxId(UniString(":Inbox:ann")), UniString("Ann")));
  const Address address = Ann(UniString("Ann"));
  EXPECT_EQ(address.GenerateHashValue(),
            (kId.GenerateHashValue() + 629u) * 37u + UniString("Ann").GenerateHashValue());
}

TEST(Address, ChannelFormIsTheMailboxIdThenTheName) {
  const Address address = Ann(MailTest::U(u"A\"nn"));
  EXPECT_EQ(MailTest::BytesOf(address), MailTest::WrittenBy([](Strata::OChannelX& c) {
              kId.Write(c);
              c.WriteUniString(MailTest::U(u"A\"nn"));
            }));
  EXPECT_EQ(MailTest::RoundTrip(address), address);

  const MailTest::Bytes bytes = MailTest::BytesOf(address);
  for (std::size_t keep = 0; keep < bytes.size(); ++keep) {
    Address target = Ann(UniString("Keep"));
    EXPECT_THROW(MailTest::ReadFrom(MailTest::Truncated(bytes, keep), target), Strata::IOException);
    EXPECT_EQ(target, Ann(UniString("Keep")));
  }
}

TEST(Address, ReadKeepsAnInvalidAddressWhichPrintsAsNothing) {
  Address address;
  MailTest::ReadFrom(MailTest::WrittenBy([](Strata::OChannelX& c) {
                       kId.Write(c);
                       c.WriteUniString(UniString());
                     }),
                     address);
  EXPECT_EQ(address.GetMailboxId(), kId);
  EXPECT_FALSE(address.IsValid());
  EXPECT_TRUE(address.ToString().IsEmpty());
}
