#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "Quorum/Common/Integer32.h"
#include "Quorum/Common/UnsignedInteger32.h"

using Quorum::Common::Integer32;
using Quorum::Common::UnsignedInteger32;
using Strata::UniString;

namespace {

constexpr long long Refused = LLONG_MIN;

// Parses `text` with both parsers and compares with the expected values.
void ExpectParsed(const UniString& text, long long expected, long long expectedUnsigned) {
  int value = 99;
  EXPECT_EQ(Integer32::Parse(text, value), expected != Refused) << text.ToCStr();
  EXPECT_EQ(value, expected != Refused ? expected : 99) << text.ToCStr();  // untouched if refused
  unsigned int unsignedValue = 99;
  EXPECT_EQ(UnsignedInteger32::Parse(text, unsignedValue), expectedUnsigned != Refused)
      << text.ToCStr();
  EXPECT_EQ(unsignedValue, expectedUnsigned != Refused ? expectedUnsigned : 99) << text.ToCStr();
}

}  // namespace

TEST(DecimalNumbers, ParseAcceptsOnlyPlainDecimalsWithinRangeAndLeavesTheValueOtherwise) {
  ExpectParsed("0", 0, 0);
  ExpectParsed("-0", 0, Refused);
  ExpectParsed("-17", -17, Refused);
  ExpectParsed("007", 7, 7);
  ExpectParsed("-00000000000000000000000000000000000000000000042", -42, Refused);
  ExpectParsed("2147483647", INT_MAX, INT_MAX);
  ExpectParsed("000002147483647", INT_MAX, INT_MAX);
  ExpectParsed("-2147483648", INT_MIN, Refused);
  ExpectParsed("2147483648", Refused, 2147483648LL);
  ExpectParsed("0004294967295", Refused, UINT_MAX);
  const std::vector<UniString> refused = {
      "",        "-",   "+1",          " 1",         "1 ",
      "1-",      "--1", "-2147483649", "4294967296", "18446744073709551616",
      "1.0",     "1e3", "0x10",        "1,000",
      u"\u0661",  // Arabic-Indic digit one
      u"\xFF11",  // full-width digit one
      u"1\u00A0"};
  for (const UniString& text : refused) ExpectParsed(text, Refused, Refused);
}

TEST(DecimalNumbers, ToStringGivesTheShortestForm) {
  EXPECT_EQ(Integer32::ToString(INT_MIN), UniString("-2147483648"));
  EXPECT_EQ(Integer32::ToString(-7003), UniString("-7003"));
  EXPECT_EQ(UnsignedInteger32::ToString(UINT_MAX), UniString("4294967295"));
}
