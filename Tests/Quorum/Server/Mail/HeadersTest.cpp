#include "Quorum/Server/Mail/Headers.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "MailTestSupport.h"
#include "Quorum/Server/Mail/InvalidHeaderNameException.h"
#include "Strata/IOException.h"
#include "Strata/IllegalArgumentException.h"

using MailTest::ByteWriter;
using MailTest::ExpectIllegalArgument;
using MailTest::NamesOf;
using Quorum::Server::Mail::Header;
using Quorum::Server::Mail::Headers;
using Quorum::Server::Mail::InvalidHeaderNameException;
using Strata::UniString;

namespace {

Headers OneTwoThree() {
  Headers headers;
  headers.Set("One", "1");
  headers.Set("Two", "2");
  headers.Set("Three", "3");
  return headers;
}

const char* const kSource = "Source/Quorum/Server/Mail/Headers.cpp";

}  // namespace

TEST(Headers, ReplacingKeepsThePlaceAndTakesTheNewCase) {
  Headers headers;
  headers.Set("Subject", "a");
  headers.Set("To", "x");
  headers.Set("SUBJECT", "b");
  EXPECT_EQ(headers.GetSize(), 2u);
  EXPECT_EQ(NamesOf(headers), (std::vector<std::string>{"SUBJECT", "To"}));
  EXPECT_TRUE(headers.Contains("subject"));
  Header found;
  ASSERT_TRUE(headers.Get("sUbJeCt", found));
  EXPECT_EQ(found.GetName(), UniString("SUBJECT"));
  EXPECT_EQ(found.GetValue(), UniString("b"));
}

TEST(Headers, ContainsAndRemoveOfAHeaderCompareItsValueExactly) {
  Headers headers;
  headers.Set("SUBJECT", "b");
  EXPECT_TRUE(headers.Contains(Header("subject", "b")));
  EXPECT_FALSE(headers.Contains(Header("Subject", "B")));
  EXPECT_FALSE(headers.Remove(Header("Subject", "x")));
  EXPECT_TRUE(headers.Contains("Subject"));
  EXPECT_TRUE(headers.Remove(Header("subject", "b")));
  EXPECT_TRUE(headers.IsEmpty());
}

TEST(Headers, RemovalMovesLastEntryIntoTheHole) {
  Headers headers = OneTwoThree();
  EXPECT_TRUE(headers.Remove("one"));
  EXPECT_FALSE(headers.Remove("one"));
  EXPECT_EQ(NamesOf(headers), (std::vector<std::string>{"Three", "Two"}));
  EXPECT_EQ(headers.ToString(),
            UniString("Headers (Header (name=Three, value=3), Header (name=Two, value=2))"));
  EXPECT_TRUE(headers.Remove("TWO"));  // the last entry: nothing moves
  EXPECT_EQ(NamesOf(headers), (std::vector<std::string>{"Three"}));
  headers.Clear();
  EXPECT_EQ(headers.ToString(), UniString("Headers ()"));
}

TEST(Headers, LookUpsRefuseOnlyTheEmptyName) {
  Headers headers = OneTwoThree();
  Header out("Keep", "me");
  const char* emptyName = "Invalid header name: name is empty.";
  ExpectIllegalArgument([&] { headers.Get("", out); }, emptyName, kSource);
  ExpectIllegalArgument([&] { headers.Contains(UniString()); }, emptyName, kSource);
  ExpectIllegalArgument([&] { headers.Remove(UniString()); }, emptyName, kSource);
  // Names no constructor accepts are simply not found.
  EXPECT_FALSE(headers.Get("X Mailer", out));
  EXPECT_FALSE(headers.Contains("Sub:ject"));
  EXPECT_FALSE(headers.Remove("\u00fcber"));
  EXPECT_FALSE(headers.Get("Four", out));
  EXPECT_EQ(out, Header("Keep", "me"));
  EXPECT_EQ(headers.GetSize(), 3u);
}

TEST(Headers, SetRefusesInvalidHeadersAndLeavesTheCollectionUnchanged) {
  Headers headers = OneTwoThree();
  const char* invalid = "Invalid header: header is not valid.";
  ExpectIllegalArgument([&] { headers.Set(Header()); }, invalid, kSource);
  ExpectIllegalArgument([&] { headers.Contains(Header()); }, invalid, kSource);
  ExpectIllegalArgument([&] { headers.Remove(Header()); }, invalid, kSource);
  ExpectIllegalArgument([&] { headers.Set("", "v"); }, "Invalid header name: name is empty.",
                        kSource);
  EXPECT_THROW(headers.Set("X Mailer", "v"), InvalidHeaderNameException);
  EXPECT_THROW(headers.Set("One:", "v"), InvalidHeaderNameException);
  EXPECT_EQ(headers, OneTwoThree());
  EXPECT_EQ(NamesOf(headers), NamesOf(OneTwoThree()));
}

TEST(Headers, EqualityIgnoresOrderButNotValueCase) {
  Headers forward = OneTwoThree();
  Headers backward;
  backward.Set("THREE", "3");
  backward.Set("two", "2");
  backward.Set("One", "1");
  EXPECT_EQ(forward, backward);
  EXPECT_EQ(forward, forward);
  backward.Set("one", "ONE");
  forward.Set("one", "one");
  EXPECT_NE(forward, backward);
  backward.Remove("one");
  EXPECT_NE(forward, backward);  // sizes differ
}

TEST(Headers, CopyKeepsOrderAndMoveEmptiesTheSource) {
  Headers headers = OneTwoThree();
  headers.Remove("One");
  const Headers copy(headers);
  EXPECT_EQ(NamesOf(copy), (std::vector<std::string>{"Three", "Two"}));
  Headers moved(std::move(headers));
  EXPECT_EQ(NamesOf(moved), NamesOf(copy));
  EXPECT_TRUE(headers.IsEmpty());  // NOLINT(bugprone-use-after-move)
}

TEST(Headers, EmptyCollectionWritesOnlyTheCountZero) {
  EXPECT_EQ(MailTest::BytesOf(Headers()), (MailTest::Bytes{0, 0, 0, 0}));
}

TEST(Headers, ChannelRoundTripKeepsOrderNamesAndValues) {
  Headers headers = OneTwoThree();
  headers.Set("X-Odd", UniString(u"\"quoted\" \\ \u00e9"));
  headers.Remove("Two");
  const Headers copy = MailTest::RoundTrip(headers);
  EXPECT_EQ(copy, headers);
  EXPECT_EQ(NamesOf(copy), NamesOf(headers));
}

TEST(Headers, ReadMergesNamesThatDifferOnlyInCaseAndTakesAnyName) {
  Headers headers;
  MailTest::ReadFrom(ByteWriter()
                         .UnsignedInt(4)
                         .Strings({u"To", u"x", u"", u"e", u"a b", u"s", u"TO", u"y"})
                         .Get(),
                     headers);
  EXPECT_EQ(NamesOf(headers), (std::vector<std::string>{"TO", "", "a b"}));
  Header to;
  ASSERT_TRUE(headers.Get("to", to));
  EXPECT_EQ(to.GetValue(), UniString("y"));
  EXPECT_TRUE(headers.Contains("A B"));
}

TEST(Headers, TruncatedOrHostileChannelThrowsAndKeepsTheContents) {
  const MailTest::Bytes inputs[] = {
      {},
      ByteWriter().UnsignedInt(4000000000u).Raw({0, 0, 0}).Get(),
      ByteWriter().UnsignedInt(2).String(u"A").String(u"1").Get(),
      ByteWriter().UnsignedInt(1).String(u"A").Get(),
      ByteWriter().UnsignedInt(1).String(u"A").UnsignedInt(2000000000u).Raw({0, 65}).Get(),
  };
  for (const MailTest::Bytes& bytes : inputs) {
    Headers headers = OneTwoThree();
    EXPECT_THROW(MailTest::ReadFrom(bytes, headers), Strata::IOException);
    EXPECT_EQ(NamesOf(headers), NamesOf(OneTwoThree()));
  }
}

// Mixed sets and removals against a plain vector that applies the storage
// order rules directly.
TEST(Headers, StorageOrderFollowsTheRulesThroughManyChanges) {
  std::mt19937 random(7);
  Headers headers;
  std::vector<std::pair<std::string, std::string>> model;  // lower-case key, stored name
  auto find = [&](const std::string& key) {
    for (std::size_t i = 0; i < model.size(); ++i) {
      if (model[i].first == key) return i;
    }
    return model.size();
  };
  for (int step = 0; step < 4000; ++step) {
    const int n = static_cast<int>(random() % 300);
    const std::string key = "h" + std::to_string(n);
    const std::string name = (random() % 2) ? key : "H" + std::to_string(n);
    const std::size_t at = find(key);
    if (random() % 3 == 0) {
      EXPECT_EQ(headers.Remove(name.c_str()), at != model.size());
      if (at != model.size()) {
        model[at] = model.back();
        model.pop_back();
      }
    } else {
      headers.Set(name.c_str(), "v");
      if (at == model.size()) {
        model.emplace_back(key, name);
      } else {
        model[at].second = name;
      }
    }
  }
  std::vector<std::string> expected;
  for (const auto& entry : model) expected.push_back(entry.second);
  EXPECT_EQ(NamesOf(headers), expected);
}
