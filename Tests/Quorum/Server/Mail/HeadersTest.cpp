// Headers, Parameters and Flags keep their items in one shared table; its
// storage order, equality and channel form are checked here, through Headers.
#include "Quorum/Server/Mail/Headers.h"

#include "MailTestSupport.h"
#include "Quorum/Server/Mail/InvalidHeaderNameException.h"

using namespace Quorum::Server::Mail;
using Strata::UniString;

static Headers OneTwoThree() {
  Headers headers;
  for (const char* name : {"One", "Two", "Three"}) headers.Set(name, name);
  return headers;
}

TEST(Headers, ReplacingKeepsThePlaceAndRemovalMovesTheLastEntryIntoTheHole) {
  Headers headers = OneTwoThree();
  headers.Set("TWO", "\"b\"");
  EXPECT_TRUE(headers.Remove("one"));
  EXPECT_FALSE(headers.Remove("one"));
  EXPECT_EQ(
      headers.ToString(),
      UniString("Headers (Header (name=Three, value=Three), Header (name=TWO, value=\"b\"))"));
  EXPECT_FALSE(headers.Remove(Header("two", "\"B\"")));  // the value must match exactly
  EXPECT_TRUE(headers.Remove(Header("two", "\"b\"")));   // the last entry: nothing moves
  EXPECT_EQ(headers.ToString(), UniString("Headers (Header (name=Three, value=Three))"));
}

TEST(Headers, ArgumentChecksUseTheirOwnMessagesAndChangeNothing) {
  using MailTest::FaultOf;
  using Strata::IllegalArgumentException;
  Headers headers = OneTwoThree();
  Header out("Keep", "me");
  const std::string source = " (Source/Quorum/Server/Mail/Headers.cpp, -50)";
  const std::string emptyName = "Invalid header name: name is empty." + source;
  const std::string invalid = "Invalid header: header is not valid." + source;
  EXPECT_EQ(FaultOf<IllegalArgumentException>([&] { headers.Set("", "v"); }), emptyName);
  EXPECT_EQ(FaultOf<IllegalArgumentException>([&] { headers.Get("", out); }), emptyName);
  EXPECT_EQ(FaultOf<IllegalArgumentException>([&] { headers.Contains(""); }), emptyName);
  EXPECT_EQ(FaultOf<IllegalArgumentException>([&] { headers.Remove(""); }), emptyName);
  EXPECT_EQ(FaultOf<IllegalArgumentException>([&] { headers.Set(Header()); }), invalid);
  EXPECT_EQ(FaultOf<IllegalArgumentException>([&] { headers.Contains(Header()); }), invalid);
  EXPECT_EQ(FaultOf<IllegalArgumentException>([&] { headers.Remove(Header()); }), invalid);
  EXPECT_THROW(headers.Set("One:", "v"), InvalidHeaderNameException);
  // Look-ups apply no name rule: such names are simply not found.
  EXPECT_FALSE(headers.Get("X Mailer", out));
  EXPECT_FALSE(headers.Remove("Sub:ject"));
  EXPECT_EQ(out, Header("Keep", "me"));
  EXPECT_EQ(headers.ToString(), OneTwoThree().ToString());
}

TEST(Headers, EqualityIgnoresOrderAndNameCaseButNotValueCase) {
  Headers other;
  for (const char* name : {"three", "TWO", "One"}) other.Set(name, name);
  EXPECT_NE(OneTwoThree(), other);
  other.Set("three", "Three");
  other.Set("two", "Two");
  EXPECT_EQ(OneTwoThree(), other);
  other.Remove("One");
  EXPECT_NE(OneTwoThree(), other);
}

TEST(Headers, ChannelFormKeepsTheOrderAndReadMergesNamesDifferingInCase) {
  EXPECT_EQ(Headers().ToString(), UniString("Headers ()"));
  EXPECT_EQ(MailTest::BytesOf(Headers()), (MailTest::Bytes{0, 0, 0, 0}));
  Headers headers = OneTwoThree();
  headers.Remove("One");
  const Headers copy = MailTest::RoundTrip(headers);
  EXPECT_EQ(copy.ToString(), headers.ToString());
  MailTest::ExpectTruncatedReadsLeaveUnchanged(OneTwoThree(), headers);
  // Read takes any name and trusts no count.
  MailTest::ReadFrom(MailTest::WrittenAs(4u, "To", "x", "", "e", "a b", "s", "TO", "y"), headers);
  const UniString read(
      "Headers (Header (name=TO, value=y), Header (name=, value=e), Header (name=a b, value=s))");
  EXPECT_EQ(headers.ToString(), read);
  // A header prints as more than its name, so even an empty name is separated.
  Headers emptyFirst;
  MailTest::ReadFrom(MailTest::WrittenAs(2u, "", "e", "a", "1"), emptyFirst);
  EXPECT_EQ(emptyFirst.ToString(),
            UniString("Headers (Header (name=, value=e), Header (name=a, value=1))"));
  const MailTest::Bytes hostile{0xEE, 0x6B, 0x28, 0x00, 0, 0, 0};  // 4,000,000,000 headers
  EXPECT_THROW(MailTest::ReadFrom(hostile, headers), Strata::IOException);
  EXPECT_EQ(headers.ToString(), read);
}
