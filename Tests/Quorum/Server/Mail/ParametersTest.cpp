#include "Quorum/Server/Mail/Parameters.h"

#include <gtest/gtest.h>

#include "MailTestSupport.h"
#include "Quorum/Server/Mail/InvalidParameterNameException.h"

using MailTest::NamesOf;
using Quorum::Server::Mail::Parameter;
using Quorum::Server::Mail::Parameters;
using Strata::UniString;

namespace {

Parameters XYZ() {
  Parameters parameters;
  for (const char* name : {"x", "y", "z"}) parameters.Set(name, "1");
  return parameters;
}

}  // namespace

TEST(Parameters, ArgumentChecksUseTheirOwnMessagesAndChangeNothing) {
  using MailTest::ExpectIllegalArgument;
  Parameters parameters = XYZ();
  Parameter out("keep", "me");
  const char* emptyName = "Invalid parameter name: name is empty.";
  const char* invalid = "Invalid parameter: parameter is not valid.";
  const char* source = "Source/Quorum/Server/Mail/Parameters.cpp";
  ExpectIllegalArgument([&] { parameters.Set("", "v"); }, emptyName, source);
  ExpectIllegalArgument([&] { parameters.Get("", out); }, emptyName, source);
  ExpectIllegalArgument([&] { parameters.Contains(UniString()); }, emptyName, source);
  ExpectIllegalArgument([&] { parameters.Remove(UniString()); }, emptyName, source);
  ExpectIllegalArgument([&] { parameters.Set(Parameter()); }, invalid, source);
  ExpectIllegalArgument([&] { parameters.Contains(Parameter()); }, invalid, source);
  ExpectIllegalArgument([&] { parameters.Remove(Parameter()); }, invalid, source);
  EXPECT_THROW(parameters.Set("a=", "v"), Quorum::Server::Mail::InvalidParameterNameException);
  EXPECT_EQ(out, Parameter("keep", "me"));
  EXPECT_EQ(NamesOf(parameters), NamesOf(XYZ()));
}

// Each value also goes through Parameter::Parse on its own.
TEST(Parameters, ParseOfToStringGivesEqualParametersForAwkwardValues) {
  Parameters parameters;
  char16_t name = u'a';
  for (const UniString& value :
       MailTest::Texts(u"", u"\"", u"\\", u"\\\"", u"\"\\", u"a;b", u"a=b", u";", u"=", u"\";x=\"",
                       u"x\";y=\"z", u"\"\"\"\"", u"end\\", u" lead and trail ", u"\u00fcber",
                       u"\u65e5\u672c", u"\xD800", u"\xDC00", u"tab\tnew\nline")) {
    const Parameter parameter(UniString(std::u16string(1, ++name)), value);
    Parameter single;
    ASSERT_TRUE(Parameter::Parse(parameter.ToString(), single)) << parameter.ToString().ToCStr();
    EXPECT_EQ(single.GetValue(), value);
    parameters.Set(parameter);
  }
  Parameters parsed;
  ASSERT_TRUE(Parameters::Parse(parameters.ToString(), parsed));
  EXPECT_EQ(parsed, parameters);
  EXPECT_EQ(NamesOf(parsed), NamesOf(parameters));
}

TEST(Parameters, ParseKeepsTheFirstPlaceOfANameAndTheLastValue) {
  Parameters parsed = XYZ();
  ASSERT_TRUE(Parameters::Parse("A=\"1\";b=\"2\";a=\"3\"", parsed));
  EXPECT_EQ(parsed.ToString(), UniString("a=\"3\";b=\"2\""));
  ASSERT_TRUE(Parameters::Parse(UniString(), parsed));
  EXPECT_TRUE(parsed.IsEmpty());
}

TEST(Parameters, ParseRefusesMalformedTextAndLeavesTheResultAlone) {
  for (const UniString& text : MailTest::Texts(
           u"a=\"1\"; b=\"2\"", u"a=\"1\" ;b=\"2\"", u"a=\"1\";", u";a=\"1\"", u"a=\"1\";;b=\"2\"",
           u"a=\"1\"b=\"2\"", u"a=\"1\",b=\"2\"", u";", u" ", u"a=1", u"a=\"1\";b", u"a=\"1\";b=2",
           u"a=\"1\";b=\"2", u"a=\"1\\x\"", u"a = \"1\"", u"a=\"1\";\u00e9=\"2\"")) {
    Parameters result = XYZ();
    EXPECT_FALSE(Parameters::Parse(text, result)) << text.ToCStr();
    EXPECT_EQ(NamesOf(result), NamesOf(XYZ()));
  }
}
