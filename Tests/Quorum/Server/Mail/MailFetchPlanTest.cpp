#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "Quorum/Server/Mail/MailFetchPlan.h"
#include "Strata/IOException.h"
#include "Strata/IllegalArgumentException.h"
#include "Strata/MemoryIBinaryChannel.h"
#include "Strata/MemoryOBinaryChannel.h"

using Quorum::Server::Mail::MailFetchPlan;
using Strata::UniString;

namespace {

using Bytes = std::vector<unsigned char>;

Bytes Written(const MailFetchPlan& plan) {
  Strata::MemoryOBinaryChannel bytes;
  Strata::OChannelX out(bytes);
  plan.Write(out);
  return Bytes(bytes.GetBuffer(), bytes.GetBuffer() + bytes.GetSize());
}

// Reads `bytes` into `plan`; true when the whole of `bytes` was consumed.
bool ReadInto(MailFetchPlan& plan, const Bytes& bytes) {
  Strata::MemoryIBinaryChannel input(bytes.data(), static_cast<unsigned int>(bytes.size()));
  Strata::IChannelX in(input);
  plan.Read(in);
  return input.GetAvailable() == 0;
}

std::vector<UniString> Names(const MailFetchPlan& plan) {
  const auto& names = plan.GetRequestedBodyParts();
  return std::vector<UniString>(names.begin(), names.end());
}

struct Queries {
  bool bodyPartHeaders, bodyParts, mailHeaders, mailFlags, all, namedPart;
  bool operator==(const Queries&) const = default;
};

Queries Ask(const MailFetchPlan& plan) {
  return Queries{plan.IsBodyPartHeadersRequested(),
                 plan.IsBodyPartsRequested(),
                 plan.IsMailHeadersRequested(),
                 plan.IsMailFlagsRequested(),
                 plan.IsAllRequested(),
                 plan.IsBodyPartRequested("part1")};
}

void ExpectEmptyNameRefused(const auto& call) {
  try {
    call();
    FAIL() << "no exception";
  } catch (const Strata::IllegalArgumentException& e) {
    EXPECT_STREQ(e.what(), "Invalid body part name: name is empty.");
    EXPECT_EQ(e.GetErrorCode(), -50);
    EXPECT_STREQ(e.GetSourceFile(), "Source/Quorum/Server/Mail/MailFetchPlan.cpp");
  }
}

}  // namespace

TEST(MailFetchPlan, EachBitAnswersTheQueriesOfItsMask) {
  struct Case {
    unsigned int bits;
    Queries expected;
  };
  const std::vector<Case> cases = {
      {0x00, {false, false, false, false, false, false}},
      {0x01, {true, false, false, false, false, false}},
      {0x02, {true, true, false, false, false, true}},
      {0x04, {false, false, true, false, false, false}},
      {0x08, {false, false, false, true, false, false}},
      {0x10, {true, true, true, true, true, true}},
      {0x0D, {true, false, true, true, false, false}},
      {0x100, {false, false, false, false, false, false}},  // unknown bits mean nothing
      {0xFFFFFFE0, {false, false, false, false, false, false}},
  };
  for (const Case& c : cases) {
    MailFetchPlan plan;
    plan.SetRequestedMailParts(c.bits);
    EXPECT_TRUE(Ask(plan) == c.expected) << std::hex << c.bits;
    EXPECT_EQ(plan.GetRequestedMailParts(), c.bits);
  }
}

TEST(MailFetchPlan, AddOperationsSetOnlyTheirOwnBitAndChain) {
  MailFetchPlan plan;
  EXPECT_EQ(plan.AddAll().GetRequestedMailParts(), 0x10u);
  EXPECT_EQ(MailFetchPlan().AddBodyPartHeaders().GetRequestedMailParts(), 0x01u);
  EXPECT_EQ(MailFetchPlan().AddBodyParts().GetRequestedMailParts(), 0x02u);
  EXPECT_EQ(MailFetchPlan().AddMailHeaders().GetRequestedMailParts(), 0x04u);
  EXPECT_EQ(MailFetchPlan().AddMailFlags().GetRequestedMailParts(), 0x08u);
  MailFetchPlan chained;
  chained.AddMailHeaders().AddMailFlags().AddMailHeaders().AddBodyPart("a").AddBodyPart("b");
  EXPECT_EQ(chained.GetRequestedMailParts(), 0x0Cu);
  EXPECT_EQ(Names(chained), (std::vector<UniString>{"a", "b"}));
}

TEST(MailFetchPlan, NamedBodyPartsMatchExactly) {
  MailFetchPlan plan;
  plan.AddBodyPart("part1").AddBodyPart("Part1").AddBodyPart("part1");
  EXPECT_EQ(Names(plan), (std::vector<UniString>{"part1", "Part1"}));
  EXPECT_TRUE(plan.IsBodyPartRequested("part1"));
  EXPECT_TRUE(plan.IsBodyPartRequested("Part1"));
  EXPECT_FALSE(plan.IsBodyPartRequested("PART1"));
  EXPECT_FALSE(plan.IsBodyPartsRequested());
  plan.AddBodyPartHeaders();
  EXPECT_FALSE(plan.IsBodyPartRequested("other"));
  plan.AddBodyParts();
  EXPECT_TRUE(plan.IsBodyPartRequested("other"));
}

TEST(MailFetchPlan, AnEmptyNameIsRefusedAndChangesNothing) {
  MailFetchPlan plan;
  plan.AddBodyPart("kept");
  ExpectEmptyNameRefused([&] { plan.AddBodyPart(UniString()); });
  ExpectEmptyNameRefused([&] { (void)plan.IsBodyPartRequested(UniString()); });
  plan.AddAll();
  ExpectEmptyNameRefused([&] { (void)plan.IsBodyPartRequested(""); });
  EXPECT_EQ(Names(plan), std::vector<UniString>{"kept"});
}

TEST(MailFetchPlan, EqualityComparesStoredBitsAndNameSetsInAnyOrder) {
  MailFetchPlan left;
  left.AddBodyPart("a").AddBodyPart("b").AddMailFlags();
  MailFetchPlan right;
  right.AddMailFlags().AddBodyPart("b").AddBodyPart("a");
  EXPECT_TRUE(left == right);
  EXPECT_FALSE(left != right);
  EXPECT_TRUE(left == left);

  MailFetchPlan moreNames = right;
  moreNames.AddBodyPart("c");
  EXPECT_FALSE(left == moreNames);
  EXPECT_FALSE(moreNames == left);
  MailFetchPlan otherName;
  otherName.AddMailFlags().AddBodyPart("a").AddBodyPart("B");
  EXPECT_FALSE(left == otherName);

  MailFetchPlan all;
  all.AddAll();
  MailFetchPlan fourBits;
  fourBits.AddBodyPartHeaders().AddBodyParts().AddMailHeaders().AddMailFlags();
  EXPECT_FALSE(all == fourBits);
  MailFetchPlan unknownBit;
  unknownBit.SetRequestedMailParts(0x100);
  EXPECT_FALSE(unknownBit == MailFetchPlan());
}

TEST(MailFetchPlan, WritesCountNamesInOrderThenBits) {
  EXPECT_EQ(Written(MailFetchPlan()), (Bytes{0, 0, 0, 0, 0, 0, 0, 0}));
  MailFetchPlan plan;
  plan.AddBodyPart("b").AddBodyPart("a").AddBodyParts();
  plan.SetRequestedMailParts(plan.GetRequestedMailParts() | 0x100);
  EXPECT_EQ(Written(plan),
            (Bytes{0, 0, 0, 2, 0, 0, 0, 1, 0, 'b', 0, 0, 0, 1, 0, 'a', 0, 0, 1, 0x02}));
}

TEST(MailFetchPlan, ReadsBackAnEqualPlanReplacingTheOldOne) {
  MailFetchPlan written;
  written.AddBodyPart("part1").AddBodyPart(u"\u00E9\U0001F600").AddMailHeaders();
  MailFetchPlan read;
  read.AddBodyPart("old").AddAll();
  EXPECT_TRUE(ReadInto(read, Written(written)));
  EXPECT_TRUE(read == written);
  EXPECT_EQ(Names(read), Names(written));
  EXPECT_FALSE(read.IsBodyPartRequested("old"));
}

TEST(MailFetchPlan, ReadKeepsARepeatedNameOnceAndAcceptsAnEmptyName) {
  const Bytes bytes = {0, 0, 0, 3,            // three names
                       0, 0, 0, 1,   0, 'x',  // "x"
                       0, 0, 0, 0,            // ""
                       0, 0, 0, 1,   0, 'x',  // "x" again
                       0, 0, 0, 0x04};
  MailFetchPlan plan;
  EXPECT_TRUE(ReadInto(plan, bytes));
  EXPECT_EQ(Names(plan), (std::vector<UniString>{"x", ""}));
  EXPECT_EQ(plan.GetRequestedMailParts(), 0x04u);
}

TEST(MailFetchPlan, ATruncatedOrHostileChannelLeavesThePlanUnchanged) {
  MailFetchPlan original;
  original.AddBodyPart("kept").AddMailFlags();
  const Bytes complete = Written([] {
    MailFetchPlan other;
    other.AddBodyPart("new").AddAll();
    return other;
  }());
  for (std::size_t size = 0; size < complete.size(); ++size) {
    MailFetchPlan plan = original;
    EXPECT_THROW(ReadInto(plan, Bytes(complete.begin(), complete.begin() + size)),
                 Strata::IOException)
        << size;
    EXPECT_TRUE(plan == original) << size;
    EXPECT_EQ(plan.GetRequestedMailParts(), 0x08u);
  }
  // Four billion names claimed, one present.
  const Bytes hostile = {0xEE, 0x6B, 0x28, 0x00, 0, 0, 0, 1, 0, 'x'};
  MailFetchPlan plan = original;
  EXPECT_THROW(ReadInto(plan, hostile), Strata::IOException);
  EXPECT_TRUE(plan == original);
}

TEST(MailFetchPlan, CopiesAreIndependentAndMovesTakeTheNamesOnly) {
  MailFetchPlan original;
  original.AddBodyPart("a").AddMailHeaders();
  MailFetchPlan copy = original;
  copy.AddBodyPart("b");
  EXPECT_EQ(Names(original), std::vector<UniString>{"a"});

  MailFetchPlan moved(std::move(copy));
  EXPECT_EQ(Names(moved), (std::vector<UniString>{"a", "b"}));
  EXPECT_TRUE(copy.GetRequestedBodyParts().IsEmpty());
  EXPECT_EQ(copy.GetRequestedMailParts(), 0x04u);

  MailFetchPlan assigned;
  assigned = std::move(moved);
  EXPECT_EQ(assigned.GetRequestedBodyParts().GetSize(), 2u);
  EXPECT_TRUE(moved.GetRequestedBodyParts().IsEmpty());
  EXPECT_EQ(moved.GetRequestedMailParts(), 0x04u);
}

TEST(MailFetchPlan, SwapAndSetRequestedBodyPartsReplaceWholeFields) {
  MailFetchPlan left;
  left.AddBodyPart("l").AddAll();
  MailFetchPlan right;
  right.AddBodyPart("r1").AddBodyPart("r2").AddMailFlags();
  left.Swap(right);
  EXPECT_EQ(Names(left), (std::vector<UniString>{"r1", "r2"}));
  EXPECT_EQ(left.GetRequestedMailParts(), 0x08u);
  EXPECT_EQ(Names(right), std::vector<UniString>{"l"});
  EXPECT_EQ(right.GetRequestedMailParts(), 0x10u);

  Strata::HashSet<UniString> names;
  names.Add("n1");
  names.Add("");
  left.SetRequestedBodyParts(names);
  names.Add("n2");
  EXPECT_EQ(Names(left), (std::vector<UniString>{"n1", ""}));
  EXPECT_EQ(left.GetRequestedMailParts(), 0x08u);
  EXPECT_TRUE(left.IsBodyPartRequested("n1"));
  EXPECT_FALSE(left.IsBodyPartRequested("n2"));
}
