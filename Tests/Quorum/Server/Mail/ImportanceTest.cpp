// Importance and MailboxAccess share their word look-up and channel form;
// refusals and the signed short are checked here.
#include "Quorum/Server/Mail/Importance.h"

#include "MailTestSupport.h"

using Quorum::Server::Mail::Importance;

static Importance Level(int number) { return Importance(static_cast<Importance::Level>(number)); }

TEST(Importance, WordsAreExactBothWays) {
  EXPECT_EQ(Importance(), Importance::Normal);
  for (const auto& [level, word] :
       {std::pair(Importance::Low, "low"), std::pair(Importance::Normal, "normal"),
        std::pair(Importance::High, "high")}) {
    EXPECT_EQ(Importance(level).ToString(), Strata::UniString(word));
    Importance parsed = Level(9);
    ASSERT_TRUE(Importance::Parse(word, parsed)) << word;
    EXPECT_EQ(parsed, level);
  }
  EXPECT_TRUE(Level(3).ToString().IsEmpty());
  MailTest::ExpectParseRefuses(
      Importance(Importance::Low), "Invalid importance string: string is empty.",
      MailTest::Texts("High", "normal ", " low", "HIGH", "1", "lo", "highs"));
}

TEST(Importance, CrossesChannelsAsOneSignedShort) {
  EXPECT_EQ(MailTest::BytesOf(Importance(Importance::High)), (MailTest::Bytes{0, 2}));
  for (const int value : {3, -32768}) EXPECT_EQ(MailTest::RoundTrip(Level(value)), Level(value));
  MailTest::ExpectTruncatedReadsLeaveUnchanged(Importance(Importance::High), Level(0));
}

TEST(Importance, OrdersByNumberLowNormalHighAndSwaps) {
  Importance low(Importance::Low), high(Importance::High);
  EXPECT_TRUE(low < Importance() && Importance() < high && high > Importance::Normal);
  EXPECT_TRUE(Level(9) > high && static_cast<int>(high) == 2);
  low.Swap(high);
  EXPECT_TRUE(low == Importance::High && high == Importance::Low);
}
