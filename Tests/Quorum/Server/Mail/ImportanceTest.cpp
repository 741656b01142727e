#include "Quorum/Server/Mail/Importance.h"

#include "MailTestSupport.h"

using Quorum::Server::Mail::Importance;
using Strata::UniString;

namespace {

Importance Level(int number) { return Importance(static_cast<Importance::Level>(number)); }

}  // namespace

TEST(Importance, WordsAreExactBothWays) {
  EXPECT_EQ(Importance(), Importance::Normal);
  for (const auto& [level, word] :
       {std::pair(Importance::Low, "low"), std::pair(Importance::Normal, "normal"),
        std::pair(Importance::High, "high")}) {
    EXPECT_EQ(Importance(level).ToString(), UniString(word));
    Importance parsed = Level(9);
    ASSERT_TRUE(Importance::Parse(word, parsed)) << word;
    EXPECT_EQ(parsed, level);
  }
  EXPECT_TRUE(Level(3).ToString().IsEmpty());
  for (const char* bad : {"High", "normal ", " low", "HIGH", "1", "lo", "highs"}) {
    Importance importance(Importance::Low);
    EXPECT_FALSE(Importance::Parse(bad, importance)) << bad;
    EXPECT_EQ(importance, Importance::Low);
  }
  Importance importance;
  EXPECT_EQ(MailTest::MessageOf<Strata::IllegalArgumentException>(
                [&] { Importance::Parse({}, importance); }),
            "Invalid importance string: string is empty.");
}

TEST(Importance, OrdersByNumberAndCrossesChannelsAsOneSignedShort) {
  EXPECT_TRUE(Importance(Importance::Low) < Importance::Normal);
  EXPECT_TRUE(Level(3) > Importance::High);
  EXPECT_EQ(MailTest::BytesOf(Importance(Importance::High)), (MailTest::Bytes{0, 2}));
  for (const int value : {3, -5, 32767, -32768}) {
    EXPECT_EQ(MailTest::RoundTrip(Level(value)), Level(value));
  }
  MailTest::ExpectTruncatedReadsLeaveUnchanged(Importance(Importance::High), Level(0));
}
