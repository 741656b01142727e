#include "Quorum/Server/Mail/Parameters.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MailTestSupport.h"
#include "Quorum/Server/Mail/InvalidParameterNameException.h"
#include "Strata/IOException.h"
#include "Strata/IllegalArgumentException.h"

using MailTest::ByteWriter;
using MailTest::ExpectIllegalArgument;
using MailTest::NamesOf;
using MailTest::U;
using Quorum::Server::Mail::InvalidParameterNameException;
using Quorum::Server::Mail::Parameter;
using Quorum::Server::Mail::Parameters;
using Strata::UniString;

namespace {

Parameters XYZ() {
  Parameters parameters;
  parameters.Set("x", "1");
  parameters.Set("y", "2");
  parameters.Set("z", "3");
  return parameters;
}

const char* const kSource = "Source/Quorum/Server/Mail/Parameters.cpp";

}  // namespace

TEST(Parameters, RemovalMovesLastEntryIntoTheHole) {
  Parameters parameters = XYZ();
  EXPECT_TRUE(parameters.Remove("X"));
  EXPECT_EQ(NamesOf(parameters), (std::vector<std::string>{"z", "y"}));
  EXPECT_EQ(parameters.ToString(), UniString("z=\"3\";y=\"2\""));
}

TEST(Parameters, ReplacingKeepsThePlaceAndTakesTheNewCase) {
  Parameters parameters = XYZ();
  parameters.Set(Parameter("X", "one"));
  EXPECT_EQ(parameters.ToString(), UniString("X=\"one\";y=\"2\";z=\"3\""));
  Parameter found;
  ASSERT_TRUE(parameters.Get("x", found));
  EXPECT_EQ(found, Parameter("X", "one"));
}

TEST(Parameters, ArgumentChecksUseTheirOwnMessagesAndChangeNothing) {
  Parameters parameters = XYZ();
  Parameter out("keep", "me");
  const char* emptyName = "Invalid parameter name: name is empty.";
  const char* invalid = "Invalid parameter: parameter is not valid.";
  ExpectIllegalArgument([&] { parameters.Set("", "v"); }, emptyName, kSource);
  ExpectIllegalArgument([&] { parameters.Get("", out); }, emptyName, kSource);
  ExpectIllegalArgument([&] { parameters.Contains(UniString()); }, emptyName, kSource);
  ExpectIllegalArgument([&] { parameters.Remove(UniString()); }, emptyName, kSource);
  ExpectIllegalArgument([&] { parameters.Set(Parameter()); }, invalid, kSource);
  ExpectIllegalArgument([&] { parameters.Contains(Parameter()); }, invalid, kSource);
  ExpectIllegalArgument([&] { parameters.Remove(Parameter()); }, invalid, kSource);
  EXPECT_THROW(parameters.Set("a b", "v"), InvalidParameterNameException);
  EXPECT_THROW(parameters.Set("a=", "v"), InvalidParameterNameException);
  // Look-ups apply no name rule.
  EXPECT_FALSE(parameters.Get("a b", out));
  EXPECT_FALSE(parameters.Remove("x="));
  EXPECT_EQ(out, Parameter("keep", "me"));
  EXPECT_EQ(NamesOf(parameters), NamesOf(XYZ()));
}

TEST(Parameters, EqualityIgnoresOrderAndNameCaseButNotValueCase) {
  Parameters reversed;
  reversed.Set("Z", "3");
  reversed.Set("Y", "2");
  reversed.Set("X", "1");
  EXPECT_EQ(XYZ(), reversed);
  reversed.Set("x", "ONE");
  Parameters lower = XYZ();
  lower.Set("x", "one");
  EXPECT_NE(lower, reversed);
}

TEST(Parameters, RoundTripOfAwkwardValues) {
  const std::u16string values[] = {u"",          u"\"",     u"\\",       u"a;b",
                                   u"a=b",       u";",      u"\";x=\"",  u"\\\\\"\"",
                                   u"\u00fcber", u"\xDC00", u" spaced ", u"x\";y=\"z"};
  Parameters parameters;
  unsigned int n = 0;
  for (const std::u16string& value : values) {
    parameters.Set(U(u"p" + std::u16string(1, u'a' + n++)), U(value));
  }
  Parameters parsed;
  ASSERT_TRUE(Parameters::Parse(parameters.ToString(), parsed));
  EXPECT_EQ(parsed, parameters);
  EXPECT_EQ(NamesOf(parsed), NamesOf(parameters));
}

TEST(Parameters, ParseOfEmptyTextGivesAnEmptyCollection) {
  Parameters parameters = XYZ();
  EXPECT_TRUE(Parameters::Parse(UniString(), parameters));
  EXPECT_TRUE(parameters.IsEmpty());
}

TEST(Parameters, ParseReplacesAnEarlierNameDifferingInCaseInItsPlace) {
  Parameters parsed;
  ASSERT_TRUE(Parameters::Parse("A=\"1\";b=\"2\";a=\"3\"", parsed));
  EXPECT_EQ(parsed.ToString(), UniString("a=\"3\";b=\"2\""));
}

TEST(Parameters, ParseRefusesMalformedTextAndLeavesTheResultAlone) {
  const std::u16string malformed[] = {u"a=\"1\"; b=\"2\"",
                                      u"a=\"1\" ;b=\"2\"",
                                      u"a=\"1\";",
                                      u";a=\"1\"",
                                      u"a=\"1\";;b=\"2\"",
                                      u"a=\"1\"b=\"2\"",
                                      u"a=\"1\",b=\"2\"",
                                      u";",
                                      u" ",
                                      u"a=1",
                                      u"a=\"1\";b",
                                      u"a=\"1\";b=2",
                                      u"a=\"1\";b=\"2",
                                      u"a=\"1\\x\"",
                                      u"a = \"1\"",
                                      u"a=\"1\";\u00e9=\"2\""};
  for (const std::u16string& text : malformed) {
    Parameters result = XYZ();
    EXPECT_FALSE(Parameters::Parse(U(text), result)) << U(text).ToCStr();
    EXPECT_EQ(NamesOf(result), NamesOf(XYZ()));
  }
}

TEST(Parameters, EmptyCollectionWritesOnlyTheCountZero) {
  EXPECT_EQ(MailTest::BytesOf(Parameters()), (MailTest::Bytes{0, 0, 0, 0}));
}

TEST(Parameters, ChannelRoundTripKeepsOrder) {
  Parameters parameters = XYZ();
  parameters.Remove("x");
  const Parameters copy = MailTest::RoundTrip(parameters);
  EXPECT_EQ(NamesOf(copy), (std::vector<std::string>{"z", "y"}));
  EXPECT_EQ(copy, parameters);
}

TEST(Parameters, TruncatedOrHostileChannelThrowsAndKeepsTheContents) {
  const MailTest::Bytes inputs[] = {
      ByteWriter().UnsignedInt(4000000000u).Raw({0, 0, 0}).Get(),
      ByteWriter().UnsignedInt(2).String(u"a").String(u"1").String(u"b").Get(),
  };
  for (const MailTest::Bytes& bytes : inputs) {
    Parameters parameters = XYZ();
    EXPECT_THROW(MailTest::ReadFrom(bytes, parameters), Strata::IOException);
    EXPECT_EQ(NamesOf(parameters), NamesOf(XYZ()));
  }
}
