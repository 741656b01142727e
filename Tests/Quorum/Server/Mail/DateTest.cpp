#include "Quorum/Server/Mail/Date.h"

#include <climits>

#include "MailTestSupport.h"

using Quorum::Server::Mail::Date;
using Strata::UniString;

TEST(Date, PrintsAndParsesDecimalNumbers) {
  for (const int value : {0, -1, 1700000000, INT_MAX, INT_MIN}) {
    Date parsed(42);
    ASSERT_TRUE(Date::Parse(Date(value).ToString(), parsed)) << value;
    EXPECT_EQ(parsed, value);
  }
  EXPECT_EQ(Date(-12).ToString(), UniString("-12"));
  for (const char* bad : {"x", " 1", "1 ", "+1", "2147483648", "-2147483649", "1.5", "-"}) {
    Date date(42);
    EXPECT_FALSE(Date::Parse(bad, date)) << bad;
    EXPECT_EQ(date, 42);
  }
  Date date;
  EXPECT_EQ(MailTest::MessageOf<Strata::IllegalArgumentException>([&] { Date::Parse({}, date); }),
            "Invalid date string: string is empty.");
}

TEST(Date, OrdersAsSignedNumbersAndCrossesChannelsAsOneInt) {
  EXPECT_TRUE(Date(INT_MIN) < Date(-1));
  EXPECT_EQ(MailTest::BytesOf(Date(-2)), (MailTest::Bytes{0xFF, 0xFF, 0xFF, 0xFE}));
  EXPECT_EQ(MailTest::RoundTrip(Date(INT_MIN)), INT_MIN);
  MailTest::ExpectTruncatedReadsLeaveUnchanged(Date(7), Date(-2));
}
