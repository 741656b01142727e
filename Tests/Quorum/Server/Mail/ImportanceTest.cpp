#include <gtest/gtest.h>

#include "MailTestSupport.h"
#include "Quorum/Server/Mail/Importance.h"
#include "Strata/IllegalArgumentException.h"

using Quorum::Server::Mail::Importance;
using Strata::UniString;

TEST(Importance, WordsAreExactBothWays) {
  struct Case {
    Importance::Level level;
    const char* word;
  };
  for (const Case& c : {Case{Importance::Low, "low"}, Case{Importance::Normal, "normal"},
                        Case{Importance::High, "high"}}) {
    EXPECT_EQ(Importance(c.level).ToString(), UniString(c.word));
    Importance parsed(c.level == Importance::Low ? Importance::High : Importance::Low);
    ASSERT_TRUE(Importance::Parse(UniString(c.word), parsed)) << c.word;
    EXPECT_EQ(parsed, c.level);
  }
  EXPECT_EQ(Importance(), Importance::Normal);
}

TEST(Importance, ParseRefusesOtherTextWithoutTouchingTheResult) {
  for (const char* bad : {"High", "normal ", " low", "HIGH", "1", "urgent", "lo"}) {
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
  EXPECT_TRUE(Importance(Importance::Low) <= Importance(Importance::Low));
  const Importance three(static_cast<Importance::Level>(3));
  EXPECT_TRUE(three.ToString().IsEmpty());
  EXPECT_TRUE(three > Importance::High);
  EXPECT_TRUE(three != Importance(Importance::High));
  const Importance negative(static_cast<Importance::Level>(-1));
  EXPECT_TRUE(negative < Importance::Low);
  Importance a(Importance::Low), b(Importance::High);
  a.Swap(b);
  EXPECT_EQ(a, Importance::High);
  EXPECT_EQ(b, Importance::Low);
}

TEST(Importance, CrossesChannelsAsOneShort) {
  EXPECT_EQ(MailTest::BytesOf(Importance(Importance::High)), (MailTest::Bytes{0, 2}));
  for (int value : {0, 1, 2, 3, -5}) {
    const Importance importance(static_cast<Importance::Level>(value));
    EXPECT_EQ(MailTest::RoundTrip(importance), importance);
  }
  Importance target(Importance::High);
  EXPECT_THROW(MailTest::ReadFrom(MailTest::Bytes{0}, target), Strata::IOException);
  EXPECT_EQ(target, Importance::High);
}
