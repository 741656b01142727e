#include <gtest/gtest.h>

#include "Quorum/Server/Mail/MailFetchPlan.h"
#include "Quorum/Server/Mail/MailTestSupport.h"
#include "Strata/IOException.h"

using Quorum::Server::Mail::MailFetchPlan;
using Strata::UniString;
using namespace MailTest;

namespace {

std::vector<UniString> Names(const MailFetchPlan& plan) {
  return {plan.GetRequestedBodyParts().begin(), plan.GetRequestedBodyParts().end()};
}

// The answers of the queries as bits: body part headers, body parts, mail
// headers, mail flags, all, body part "part1".
unsigned int Ask(const MailFetchPlan& plan) {
  return plan.IsBodyPartHeadersRequested() | plan.IsBodyPartsRequested() << 1 |
         plan.IsMailHeadersRequested() << 2 | plan.IsMailFlagsRequested() << 3 |
         plan.IsAllRequested() << 4 | plan.IsBodyPartRequested("part1") << 5;
}

}  // namespace

TEST(MailFetchPlan, EachBitAnswersTheQueriesOfItsMaskAndIsKeptAsGiven) {
  const std::vector<std::pair<unsigned int, unsigned int>> cases = {
      {0x00, 0b000000}, {0x01, 0b000001}, {0x02, 0b100011}, {0x04, 0b000100},
      {0x08, 0b001000}, {0x10, 0b111111}, {0x0D, 0b001101}, {0x100, 0},  // unknown bits
      {0xFFFFFFE0, 0},
  };
  for (const auto& [bits, answers] : cases) {
    MailFetchPlan plan;
    plan.SetRequestedMailParts(bits);
    EXPECT_EQ(Ask(plan), answers) << std::hex << bits;
    EXPECT_EQ(plan.GetRequestedMailParts(), bits);
  }
  EXPECT_EQ(MailFetchPlan().AddAll().GetRequestedMailParts(), 0x10u);
  EXPECT_EQ(MailFetchPlan().AddBodyPartHeaders().GetRequestedMailParts(), 0x01u);
  EXPECT_EQ(MailFetchPlan().AddBodyParts().GetRequestedMailParts(), 0x02u);
  EXPECT_EQ(MailFetchPlan().AddMailHeaders().AddMailFlags().GetRequestedMailParts(), 0x0Cu);
}

TEST(MailFetchPlan, NamedBodyPartsMatchExactlyAndAnEmptyNameIsRefused) {
  MailFetchPlan plan = MailFetchPlan().AddBodyPart("part1").AddBodyPart("Part1");
  plan.AddBodyPart("part1").AddBodyPartHeaders();
  EXPECT_EQ(Names(plan), (std::vector<UniString>{"part1", "Part1"}));
  EXPECT_TRUE(plan.IsBodyPartRequested("Part1"));
  EXPECT_FALSE(plan.IsBodyPartRequested("PART1"));
  EXPECT_FALSE(plan.IsBodyPartsRequested());
  const char* file = "Source/Quorum/Server/Mail/MailFetchPlan.cpp";
  const char* message = "Invalid body part name: name is empty.";
  EXPECT_EQ(FaultOf<Strata::IllegalArgumentException>([&] { plan.AddBodyPart(""); }),
            std::string(message) + " (" + file + ", -50)");
  plan.AddAll();
  EXPECT_EQ(FaultOf<Strata::IllegalArgumentException>([&] { (void)plan.IsBodyPartRequested(""); }),
            std::string(message) + " (" + file + ", -50)");
  EXPECT_EQ(Names(plan).size(), 2u);
}

TEST(MailFetchPlan, EqualityComparesTheBitsAsNumbersAndTheNamesInAnyOrder) {
  const MailFetchPlan left = MailFetchPlan().AddBodyPart("a").AddBodyPart("b").AddMailFlags();
  const MailFetchPlan right = MailFetchPlan().AddMailFlags().AddBodyPart("b").AddBodyPart("a");
  EXPECT_TRUE(left == right);
  EXPECT_FALSE(left == MailFetchPlan(right).AddBodyPart("c"));
  EXPECT_FALSE(MailFetchPlan(right).AddBodyPart("c") == left);
  EXPECT_FALSE(left == MailFetchPlan().AddMailFlags().AddBodyPart("a").AddBodyPart("B"));
  EXPECT_FALSE(MailFetchPlan().AddAll() ==
               MailFetchPlan().AddBodyPartHeaders().AddBodyParts().AddMailHeaders().AddMailFlags());
}

TEST(MailFetchPlan, WritesCountNamesInOrderThenBitsAndReadsBackReplacingTheOldPlan) {
  MailFetchPlan plan = MailFetchPlan().AddBodyPart("b").AddBodyPart("a");
  plan.SetRequestedMailParts(0x102);
  EXPECT_EQ(BytesOf(plan), WrittenAs(2u, "b", "a", 0x102u));
  MailFetchPlan read = MailFetchPlan().AddBodyPart("old").AddAll();
  EXPECT_EQ(ReadFrom(BytesOf(plan), read), 0u);
  EXPECT_EQ(Names(read), Names(plan));
  EXPECT_EQ(read.GetRequestedMailParts(), 0x102u);
  // A repeated name is kept once and an empty name is accepted.
  const Bytes repeated = WrittenAs(3u, "x", "", "x", 4u);
  EXPECT_EQ(ReadFrom(repeated, read), 0u);
  EXPECT_EQ(Names(read), (std::vector<UniString>{"x", ""}));
}

TEST(MailFetchPlan, ATruncatedOrHostileChannelLeavesThePlanUnchanged) {
  const MailFetchPlan original = MailFetchPlan().AddBodyPart("kept").AddMailFlags();
  const Bytes complete = BytesOf(MailFetchPlan().AddBodyPart("new").AddAll());
  std::vector<Bytes> inputs = {WrittenAs(4000000000u, "x")};  // four billion names claimed
  for (std::size_t size = 0; size < complete.size(); ++size) {
    inputs.emplace_back(complete.begin(), complete.begin() + static_cast<std::ptrdiff_t>(size));
  }
  for (const Bytes& input : inputs) {
    MailFetchPlan plan = original;
    EXPECT_THROW(ReadFrom(input, plan), Strata::IOException) << input.size();
    EXPECT_TRUE(plan == original) << input.size();
  }
}

TEST(MailFetchPlan, SwapAndSetRequestedBodyPartsExchangeAndReplaceWholeFields) {
  MailFetchPlan a = MailFetchPlan().AddBodyPart("a").AddAll();
  MailFetchPlan b = MailFetchPlan().AddBodyPart("b").AddBodyPart("c").AddMailFlags();
  a.Swap(b);
  EXPECT_TRUE(a == MailFetchPlan().AddBodyPart("b").AddBodyPart("c").AddMailFlags());
  EXPECT_TRUE(b == MailFetchPlan().AddBodyPart("a").AddAll());
  a.SetRequestedBodyParts(b.GetRequestedBodyParts());
  EXPECT_EQ(Names(a), (std::vector<UniString>{"a"}));
  EXPECT_TRUE(a.IsBodyPartRequested("a") && !a.IsBodyPartRequested("b"));
}
