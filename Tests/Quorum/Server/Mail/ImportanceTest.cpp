#include <gtest/gtest.h>

#include "MailTestSupport.h"
#include "Quorum/Server/Mail/Importance.h"
#include "Strata/IllegalArgumentException.h"

using Quorum::Server::Mail::Importance;
using Strata::UniString;

namespace {

Importance Level(int number) { return Importance(static_cast<Importance::Level>(number)); }

}  // namespace

TEST(Importance, WordsAreExactBothWays) {
  const std::pair<Importance::Level, const char*> words[] = {
      {Importance::Low, "low"}, {Importance::Normal, "normal"}, {Importance::High, "high"}};
  for (const auto& [level, word] : words) {
    EXPECT_EQ(Importance(level).ToString(), UniString(word));
    Importance parsed = Level(9);
    ASSERT_TRUE(Importance::Parse(UniString(word), parsed)) << word;
    EXPECT_EQ(parsed, level);
  }
  EXPECT_EQ(Importance(), Importance::Normal);
  EXPECT_TRUE(Level(3).ToString().IsEmpty());
}

TEST(Importance, ParseRefusesOtherTextWithoutTouchingTheResult) {
  for (const char* bad : {"High", "normal ", " low", "HIGH", "1", "lo"}) {
    Importance importance(Importance::Low);
    EXPECT_FALSE(Importance::Parse(UniString(bad), importance)) << bad;
    EXPECT_EQ(importance, Importance::Low);
  }
  Importance importance;
  EXPECT_EQ(MailTest::MessageOf<Strata::IllegalArgumentException>(
                [&] { Importance::Parse(UniString(), importance); }),
            "Invalid importance string: string is empty.");
}

TEST(Importance, OrdersByNumberAlsoOutsideTheEnumeration) {
  EXPECT_TRUE(Importance(Importance::Low) < Importance::Normal);
  EXPECT_TRUE(Importance(Importance::Normal) < Importance(Importance::High));
  EXPECT_TRUE(Importance(Importance::High) >= Importance::High);
  EXPECT_TRUE(Level(3) > Importance::High);
  EXPECT_TRUE(Level(-1) < Importance(Importance::Low));
}

TEST(Importance, CrossesChannelsAsOneShort) {
  EXPECT_EQ(MailTest::BytesOf(Importance(Importance::High)), (MailTest::Bytes{0, 2}));
  for (const int value : {0, 2, 3, -5}) EXPECT_EQ(MailTest::RoundTrip(Level(value)), Level(value));
  MailTest::ExpectTruncatedReadsLeaveUnchanged(Importance(Importance::High), Level(0));
}
