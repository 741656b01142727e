#include "Quorum/Server/Mail/Parameter.h"

#include <gtest/gtest.h>

#include "MailTestSupport.h"
#include "Quorum/Server/Mail/InvalidParameterNameException.h"

using MailTest::MessageOf;
using MailTest::U;
using Quorum::Server::Mail::Parameter;
using Strata::IllegalArgumentException;
using Strata::UniString;

TEST(Parameter, PrintsTheValueAlwaysQuotedEscapingOnlyBackslashAndQuote) {
  EXPECT_EQ(Parameter("x", "").ToString(), UniString("x=\"\""));
  EXPECT_EQ(Parameter("x", "say \"hi\" \\o/").ToString(), UniString("x=\"say \\\"hi\\\" \\\\o/\""));
  EXPECT_EQ(Parameter("X-Name_2", "a;b=c'd").ToString(), UniString("X-Name_2=\"a;b=c'd\""));
  EXPECT_EQ(Parameter().ToString(), UniString());
}

TEST(Parameter, ParseRefusesMalformedTextAndLeavesTheResultAlone) {
  for (const UniString& text :
       MailTest::Texts(u"f=a", u"f =\"a\"", u"f= \"a\"", u" f=\"a\"", u"f=\"a\" ", u"f", u"f=",
                       u"f=\"", u"f=\"abc", u"f=\"a\\b\"", u"f=\"a\\", u"f=\"a\\\"", u"=\"a\"",
                       u"f n=\"a\"", u"f=\"a\";", u"f=\"a\"x", u"na\u00efve=\"a\"", u"x=\"\"\"\"",
                       u"a=\"1\";b=\"2\"", u"\"a\"", u"f:\"a\"", u"f='a'", u";", u"=")) {
    Parameter result("keep", "me");
    EXPECT_FALSE(Parameter::Parse(text, result)) << text.ToCStr();
    EXPECT_EQ(result.GetName(), UniString("keep"));
    EXPECT_EQ(result.GetValue(), UniString("me"));
  }
  Parameter result;
  EXPECT_EQ(MessageOf<IllegalArgumentException>([&] { Parameter::Parse(UniString(), result); }),
            "Invalid parameter string: string is empty.");
}

TEST(Parameter, ConstructorsApplyTheNameRule) {
  try {
    const Parameter parameter(U(u"na\u00efve"), "v");
    FAIL();
  } catch (const Quorum::Server::Mail::InvalidParameterNameException& e) {
    EXPECT_EQ(e.GetMessage(), U(u"Invalid parameter name: 'na\u00efve'."));
    EXPECT_EQ(e.GetErrorCode(), -7003);
    EXPECT_STREQ(e.GetSourceFile(), "Source/Quorum/Server/Mail/Parameter.cpp");
  }
  EXPECT_EQ(MessageOf<IllegalArgumentException>([] { Parameter{UniString()}; }),
            "Invalid parameter name: name is empty.");
}
