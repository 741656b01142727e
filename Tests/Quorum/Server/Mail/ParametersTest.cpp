#include "Quorum/Server/Mail/Parameters.h"

#include "MailTestSupport.h"
#include "Quorum/Server/Mail/InvalidParameterNameException.h"

using namespace Quorum::Server::Mail;
using Strata::UniString;

static Parameters XYZ() {
  Parameters parameters;
  for (const char* name : {"x", "y", "z"}) parameters.Set(name, "1");
  return parameters;
}

TEST(Parameters, ArgumentChecksUseTheirOwnMessagesAndChangeNothing) {
  using MailTest::FaultOf;
  using Strata::IllegalArgumentException;
  Parameters parameters = XYZ();
  Parameter out("keep", "me");
  const std::string source = " (Source/Quorum/Server/Mail/Parameters.cpp, -50)";
  const std::string emptyName = "Invalid parameter name: name is empty." + source;
  const std::string invalid = "Invalid parameter: parameter is not valid." + source;
  EXPECT_EQ(FaultOf<IllegalArgumentException>([&] { parameters.Get("", out); }), emptyName);
  EXPECT_EQ(FaultOf<IllegalArgumentException>([&] { parameters.Remove(Parameter()); }), invalid);
  EXPECT_THROW(parameters.Set("a=", "v"), InvalidParameterNameException);
  EXPECT_EQ(out, Parameter("keep", "me"));
  EXPECT_EQ(parameters.ToString(), XYZ().ToString());
}

TEST(Parameters, ParseOfToStringGivesEqualParametersForAwkwardValues) {
  Parameters parameters;
  char16_t name = u'a';
  for (const UniString& value :
       MailTest::Texts(u"", u"\"", u"\\", u"\\\"", u"\"\\", u"a;b", u"a=b", u";", u"=", u"\";x=\"",
                       u"\"\"\"\"", u"end\\", u" lead and trail ", u"\u00fcber \u65e5\u672c",
                       u"\xD800", u"\xDC00", u"tab\tnew\nline")) {
    parameters.Set(UniString(std::u16string(1, ++name)), value);
  }
  Parameters parsed = XYZ();
  ASSERT_TRUE(Parameters::Parse(UniString(), parsed));
  EXPECT_TRUE(parsed.IsEmpty());
  ASSERT_TRUE(Parameters::Parse(parameters.ToString(), parsed)) << parameters.ToString().ToCStr();
  EXPECT_EQ(parsed.ToString(), parameters.ToString());
  EXPECT_EQ(parsed, parameters);
}

TEST(Parameters, ParseRefusesMalformedTextAndLeavesTheResultAlone) {
  MailTest::ExpectParseRefuses(
      XYZ(), nullptr,
      MailTest::Texts(u"a=\"1\"; b=\"2\"", u"a=\"1\" ;b=\"2\"", u"a=\"1\";", u";a=\"1\"",
                      u"a=\"1\";;b=\"2\"", u"a=\"1\"b=\"2\"", u"a=\"1\",b=\"2\"", u";", u" ",
                      u"a=1", u"a=\"1\";b", u"a=\"1\";b=2", u"a=\"1\";b=\"2", u"a=\"1\\x\"",
                      u"a = \"1\"", u"a=\"1\";\u00e9=\"2\""));
}

TEST(Parameters, ParseKeepsTheLastOfTwoSameNamedParametersAndLookUpsIgnoreCase) {
  Parameters parsed;
  ASSERT_TRUE(Parameters::Parse("a=\"1\";B=\"2\";A=\"3\"", parsed));
  Parameter a;
  EXPECT_TRUE(parsed.Get("a", a));
  EXPECT_EQ(a, Parameter("A", "3"));
  EXPECT_EQ(parsed.ToString(), "A=\"3\";B=\"2\"");
  EXPECT_TRUE(parsed.Contains("b") && parsed.Contains(Parameter("b", "2")));
  EXPECT_FALSE(parsed.Contains(Parameter("b", "9")) || parsed.Remove(Parameter("b", "9")));
  EXPECT_TRUE(parsed.Remove("A"));
  EXPECT_FALSE(parsed.Remove("a") || parsed.Get("a", a));
  Parameters read = XYZ();
  EXPECT_EQ(MailTest::ReadFrom(MailTest::BytesOf(parsed), read), 0u);
  EXPECT_EQ(read, parsed);
  MailTest::ExpectTruncatedReadsLeaveUnchanged(XYZ(), parsed);
}

TEST(Parameters, ToStringPutsASeparatorOnlyAfterTextAlreadyPrinted) {
  // Read stores parameters with an empty name, which print as empty text.
  const std::pair<MailTest::Bytes, const char*> cases[] = {
      {MailTest::WrittenAs(2u, "", "v", "a", "1"), "a=\"1\""},
      {MailTest::WrittenAs(2u, "a", "1", "", "v"), "a=\"1\";"},
      {MailTest::WrittenAs(1u, "", "v"), ""},
      {MailTest::WrittenAs(2u, "a", "1", "b", "2"), "a=\"1\";b=\"2\""},
  };
  for (const auto& [bytes, text] : cases) {
    Parameters parameters;
    MailTest::ReadFrom(bytes, parameters);
    EXPECT_EQ(parameters.ToString(), UniString(text));
  }
}
