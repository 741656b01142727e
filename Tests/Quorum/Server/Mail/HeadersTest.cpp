// Headers, Parameters and Flags keep their items in one shared table; its
// storage order, equality and channel form are checked here, through Headers.
#include "Quorum/Server/Mail/Headers.h"

#include <gtest/gtest.h>

#include "MailTestSupport.h"
#include "Quorum/Server/Mail/InvalidHeaderNameException.h"

using MailTest::NamesOf;
using Quorum::Server::Mail::Header;
using Quorum::Server::Mail::Headers;
using Strata::UniString;
using Names = std::vector<std::string>;

namespace {

Headers OneTwoThree() {
  Headers headers;
  for (const char* name : {"One", "Two", "Three"}) headers.Set(name, name);
  return headers;
}

}  // namespace

TEST(Headers, ReplacingKeepsThePlaceAndTakesTheNewCase) {
  Headers headers = OneTwoThree();
  headers.Set("TWO", "b");
  EXPECT_EQ(NamesOf(headers), (Names{"One", "TWO", "Three"}));
  Header found;
  ASSERT_TRUE(headers.Get("two", found));
  EXPECT_EQ(found.GetName(), UniString("TWO"));
  EXPECT_EQ(found.GetValue(), UniString("b"));
}

TEST(Headers, RemovalMovesLastEntryIntoTheHole) {
  Headers headers = OneTwoThree();
  EXPECT_TRUE(headers.Remove("one"));
  EXPECT_FALSE(headers.Remove("one"));
  EXPECT_EQ(headers.ToString(),
            UniString("Headers (Header (name=Three, value=Three), Header (name=Two, value=Two))"));
  EXPECT_FALSE(headers.Remove(Header("two", "TWO")));  // the value must match exactly
  EXPECT_TRUE(headers.Remove(Header("TWO", "Two")));   // the last entry: nothing moves
  EXPECT_EQ(NamesOf(headers), (Names{"Three"}));
  headers.Clear();
  EXPECT_EQ(headers.ToString(), UniString("Headers ()"));
}

TEST(Headers, ArgumentChecksUseTheirOwnMessagesAndChangeNothing) {
  using MailTest::ExpectIllegalArgument;
  Headers headers = OneTwoThree();
  Header out("Keep", "me");
  const char* emptyName = "Invalid header name: name is empty.";
  const char* invalid = "Invalid header: header is not valid.";
  const char* source = "Source/Quorum/Server/Mail/Headers.cpp";
  ExpectIllegalArgument([&] { headers.Set("", "v"); }, emptyName, source);
  ExpectIllegalArgument([&] { headers.Get("", out); }, emptyName, source);
  ExpectIllegalArgument([&] { headers.Contains(UniString()); }, emptyName, source);
  ExpectIllegalArgument([&] { headers.Remove(UniString()); }, emptyName, source);
  ExpectIllegalArgument([&] { headers.Set(Header()); }, invalid, source);
  ExpectIllegalArgument([&] { headers.Contains(Header()); }, invalid, source);
  ExpectIllegalArgument([&] { headers.Remove(Header()); }, invalid, source);
  EXPECT_THROW(headers.Set("One:", "v"), Quorum::Server::Mail::InvalidHeaderNameException);
  // Look-ups apply no name rule: such names are simply not found.
  EXPECT_FALSE(headers.Get("X Mailer", out));
  EXPECT_FALSE(headers.Remove("Sub:ject"));
  EXPECT_EQ(out, Header("Keep", "me"));
  EXPECT_EQ(NamesOf(headers), NamesOf(OneTwoThree()));
}

TEST(Headers, EqualityIgnoresOrderAndNameCaseButNotValueCase) {
  Headers backward;
  for (const char* name : {"three", "TWO", "One"}) backward.Set(name, name);
  EXPECT_NE(OneTwoThree(), backward);
  backward.Set("three", "Three");
  backward.Set("two", "Two");
  EXPECT_EQ(OneTwoThree(), backward);
  backward.Remove("One");
  EXPECT_NE(OneTwoThree(), backward);
}

TEST(Headers, ChannelRoundTripKeepsOrderNamesAndValues) {
  EXPECT_EQ(MailTest::BytesOf(Headers()), (MailTest::Bytes{0, 0, 0, 0}));
  Headers headers = OneTwoThree();
  headers.Set("X-Odd", MailTest::U(u"\"quoted\" \\ \u00e9"));
  headers.Remove("One");
  const Headers copy = MailTest::RoundTrip(headers);
  EXPECT_EQ(copy, headers);
  EXPECT_EQ(NamesOf(copy), NamesOf(headers));
  MailTest::ExpectTruncatedReadsLeaveUnchanged(OneTwoThree(), headers);
}

TEST(Headers, ReadMergesNamesDifferingInCaseTakesAnyNameAndTrustsNoCount) {
  Headers headers;
  MailTest::ReadFrom(MailTest::WrittenBy([](Strata::OChannelX& c) {
                       c.WriteUnsignedInt(4);
                       for (const char* s : {"To", "x", "", "e", "a b", "s", "TO", "y"}) {
                         c.WriteUniString(s);
                       }
                     }),
                     headers);
  EXPECT_EQ(NamesOf(headers), (Names{"TO", "", "a b"}));
  EXPECT_TRUE(headers.Contains(Header("to", "y")));
  const MailTest::Bytes hostile{0xEE, 0x6B, 0x28, 0x00, 0, 0, 0};  // 4,000,000,000 headers
  EXPECT_THROW(MailTest::ReadFrom(hostile, headers), Strata::IOException);
  EXPECT_EQ(NamesOf(headers), (Names{"TO", "", "a b"}));
}
