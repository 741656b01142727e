#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "Quorum/Common/Integer32.h"
#include "Quorum/Common/UnsignedInteger32.h"

using Quorum::Common::Integer32;
using Quorum::Common::UnsignedInteger32;
using Strata::UniString;

TEST(Integer32, ParsesPlainDecimalsWithinRange) {
  struct Case {
    UniString text;
    int value;
  };
  const std::vector<Case> accepted = {
      {"0", 0},
      {"-0", 0},
      {"7", 7},
      {"-17", -17},
      {"007", 7},
      {"-0000000000000000000000000000000000000000000000000000000000000000000042", -42},
      {"2147483647", INT_MAX},
      {"-2147483648", INT_MIN},
      {"000002147483647", INT_MAX},
  };
  for (const Case& c : accepted) {
    int value = 99;
    EXPECT_TRUE(Integer32::Parse(c.text, value)) << c.text.ToCStr();
    EXPECT_EQ(value, c.value) << c.text.ToCStr();
  }
}

TEST(Integer32, RefusesEverythingElseAndLeavesTheValue) {
  const std::vector<UniString> refused = {
      "",
      "-",
      "+1",
      " 1",
      "1 ",
      "1-",
      "--1",
      "-+1",
      "2147483648",
      "-2147483649",
      "99999999999999999999",
      "1.0",
      "1e3",
      "0x10",
      "12a",
      u"\u0661",
      u"1\u00A0",
      u"\xFF11",  // full-width digit one
  };
  for (const UniString& text : refused) {
    int value = 99;
    EXPECT_FALSE(Integer32::Parse(text, value)) << text.ToCStr();
    EXPECT_EQ(value, 99) << text.ToCStr();
  }
}

TEST(UnsignedInteger32, ParsesPlainDecimalsWithinRange) {
  struct Case {
    UniString text;
    unsigned int value;
  };
  const std::vector<Case> accepted = {
      {"0", 0u}, {"00", 0u}, {"42", 42u}, {"4294967295", UINT_MAX}, {"0004294967295", UINT_MAX},
  };
  for (const Case& c : accepted) {
    unsigned int value = 99;
    EXPECT_TRUE(UnsignedInteger32::Parse(c.text, value)) << c.text.ToCStr();
    EXPECT_EQ(value, c.value) << c.text.ToCStr();
  }
}

TEST(UnsignedInteger32, RefusesSignsSpacesAndOverflow) {
  const std::vector<UniString> refused = {
      "", "-0", "-1", "+1", " 1", "1 ", "4294967296", "18446744073709551616", "1,000", u"\u0661",
  };
  for (const UniString& text : refused) {
    unsigned int value = 99;
    EXPECT_FALSE(UnsignedInteger32::Parse(text, value)) << text.ToCStr();
    EXPECT_EQ(value, 99u) << text.ToCStr();
  }
}

TEST(DecimalNumbers, ToStringGivesTheShortestFormThatParsesBack) {
  for (const int value : {0, 1, -1, 10, -7003, INT_MAX, INT_MIN}) {
    int parsed = 0;
    EXPECT_TRUE(Integer32::Parse(Integer32::ToString(value), parsed));
    EXPECT_EQ(parsed, value);
  }
  EXPECT_EQ(Integer32::ToString(INT_MIN), UniString("-2147483648"));
  EXPECT_EQ(Integer32::ToString(0), UniString("0"));
  EXPECT_EQ(UnsignedInteger32::ToString(UINT_MAX), UniString("4294967295"));
  EXPECT_EQ(UnsignedInteger32::ToString(200000u), UniString("200000"));
}
