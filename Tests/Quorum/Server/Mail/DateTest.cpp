#include "Quorum/Server/Mail/Date.h"

#include <climits>

#include "MailTestSupport.h"

using Quorum::Server::Mail::Date;

TEST(Date, PrintsAndParsesDecimalNumbers) {
  EXPECT_EQ(Date(-12).ToString(), Strata::UniString("-12"));
  for (const int value : {0, 1700000000, INT_MAX, INT_MIN}) {
    Date parsed(42);
    ASSERT_TRUE(Date::Parse(Date(value).ToString(), parsed)) << value;
    EXPECT_EQ(parsed, value);
  }
  MailTest::ExpectParseRefuses(
      Date(42), "Invalid date string: string is empty.",
      MailTest::Texts("x", " 1", "1 ", "+1", "2147483648", "-2147483649", "1.5", "-"));
}

TEST(Date, CrossesChannelsAsOneInt) {
  EXPECT_EQ(MailTest::BytesOf(Date(-2)), (MailTest::Bytes{0xFF, 0xFF, 0xFF, 0xFE}));
  EXPECT_EQ(MailTest::RoundTrip(Date(INT_MIN)), INT_MIN);
  MailTest::ExpectTruncatedReadsLeaveUnchanged(Date(7), Date(-2));
}

TEST(Date, OrdersAsSignedNumbersAndSwaps) {
  Date early(-5), late(7);
  EXPECT_TRUE(early < late && late > Date(0) && static_cast<int>(early) == -5);
  early.Swap(late);
  EXPECT_TRUE(early == 7 && late == -5);
}
