#include "Quorum/Server/Mail/Parameter.h"

#include "MailTestSupport.h"
#include "Quorum/Server/Mail/InvalidParameterNameException.h"

using namespace Quorum::Server::Mail;
using MailTest::FaultOf;
using Strata::UniString;

TEST(Parameter, PrintsTheValueAlwaysQuotedEscapingOnlyBackslashAndQuote) {
  EXPECT_EQ(Parameter("x", "say \"hi\" \\o/").ToString(), UniString("x=\"say \\\"hi\\\" \\\\o/\""));
  EXPECT_EQ(Parameter("X-Name_2", "a;b=c'd").ToString(), UniString("X-Name_2=\"a;b=c'd\""));
  EXPECT_EQ(Parameter().ToString(), UniString());
}

TEST(Parameter, ParseRefusesMalformedTextAndLeavesTheResultAlone) {
  MailTest::ExpectParseRefuses(
      Parameter("keep", "me"), "Invalid parameter string: string is empty.",
      MailTest::Texts(u"f=a", u"f =\"a\"", u"f= \"a\"", u" f=\"a\"", u"f=\"a\" ", u"f", u"f=",
                      u"f=\"", u"f=\"abc", u"f=\"a\\b\"", u"f=\"a\\", u"f=\"a\\\"", u"=\"a\"",
                      u"f n=\"a\"", u"f=\"a\";", u"f=\"a\"x", u"na\u00efve=\"a\"", u"x=\"\"\"\"",
                      u"a=\"1\";b=\"2\"", u"\"a\"", u"f:\"a\"", u"f='a'", u";", u"="));
}

TEST(Parameter, ConstructorsApplyTheNameRule) {
  EXPECT_EQ(
      FaultOf<Strata::IllegalArgumentException>([] { Parameter{UniString()}; }),
      "Invalid parameter name: name is empty. (Source/Quorum/Server/Mail/Parameter.cpp, -50)");
  EXPECT_EQ(FaultOf<InvalidParameterNameException>([] { Parameter("a.b", "v"); }),
            "Invalid parameter name: 'a.b'. (Source/Quorum/Server/Mail/Parameter.cpp, -7003)");
}

TEST(Parameter, ParseUnescapesTheQuotedValue) {
  Parameter parsed;
  ASSERT_TRUE(Parameter::Parse("Name=\"say \\\"hi\\\" \\\\o/\"", parsed));
  EXPECT_EQ(parsed, Parameter("Name", "say \"hi\" \\o/"));
  EXPECT_NE(parsed, Parameter("Name", "other"));
}
