#include "Quorum/Server/Mail/Parameter.h"

#include <gtest/gtest.h>

#include <string>

#include "MailTestSupport.h"
#include "Quorum/Server/Mail/InvalidParameterNameException.h"
#include "Strata/IOException.h"
#include "Strata/IllegalArgumentException.h"

using MailTest::U;
using Quorum::Server::Mail::InvalidParameterNameException;
using Quorum::Server::Mail::Parameter;
using Strata::UniString;

namespace {

// Values that stress the quoting: quotes, backslashes, separators, nothing
// at all, non-ASCII text and a lone surrogate.
const std::u16string kAwkwardValues[] = {u"",          u"a b.txt",
                                         u"\"",        u"\\",
                                         u"\\\"",      u"\"\\",
                                         u"a;b",       u"a=b",
                                         u"x\";y=\"z", u"\"\"\"\"",
                                         u"end\\",     u" lead and trail ",
                                         u"\u00fcber", u"\u65e5\u672c",
                                         u"\xD800",    u"tab\tnew\nline",
                                         u";",         u"="};

}  // namespace

TEST(Parameter, PrintsTheValueAlwaysQuotedEscapingOnlyBackslashAndQuote) {
  EXPECT_EQ(Parameter("filename", "a b.txt").ToString(), UniString("filename=\"a b.txt\""));
  EXPECT_EQ(Parameter("x", "").ToString(), UniString("x=\"\""));
  EXPECT_EQ(Parameter("x", "say \"hi\" \\o/").ToString(), UniString("x=\"say \\\"hi\\\" \\\\o/\""));
  EXPECT_EQ(Parameter("X-Name_2", "a;b=c'd").ToString(), UniString("X-Name_2=\"a;b=c'd\""));
  EXPECT_EQ(Parameter().ToString(), UniString());
}

TEST(Parameter, ParseOfToStringGivesAnEqualParameter) {
  for (const std::u16string& value : kAwkwardValues) {
    const Parameter parameter("File-Name_1", U(value));
    Parameter parsed;
    ASSERT_TRUE(Parameter::Parse(parameter.ToString(), parsed)) << parameter.ToString().ToCStr();
    EXPECT_EQ(parsed.GetName(), parameter.GetName());
    EXPECT_EQ(parsed.GetValue(), parameter.GetValue());
  }
}

TEST(Parameter, ParseRefusesMalformedTextAndLeavesTheResultAlone) {
  const std::u16string malformed[] = {u"filename=a",
                                      u"filename =\"a\"",
                                      u"filename= \"a\"",
                                      u" filename=\"a\"",
                                      u"filename=\"a\" ",
                                      u"filename",
                                      u"filename=",
                                      u"filename=\"",
                                      u"filename=\"abc",
                                      u"filename=\"a\\b\"",
                                      u"filename=\"a\\",
                                      u"filename=\"a\\\"",
                                      u"=\"a\"",
                                      u"file name=\"a\"",
                                      u"filename=\"a\";",
                                      u"filename=\"a\"x",
                                      u"na\u00efve=\"a\"",
                                      u"x=\"\"\"\"",
                                      u"a=\"1\";b=\"2\"",
                                      u"\"a\"",
                                      u"filename:\"a\"",
                                      u"filename=='a'",
                                      u";",
                                      u"=",
                                      u"filename='a'"};
  for (const std::u16string& text : malformed) {
    Parameter result("keep", "me");
    EXPECT_FALSE(Parameter::Parse(U(text), result)) << U(text).ToCStr();
    EXPECT_EQ(result.GetName(), UniString("keep"));
    EXPECT_EQ(result.GetValue(), UniString("me"));
  }
}

TEST(Parameter, ParseOfEmptyTextIsAnIllegalArgument) {
  Parameter result;
  try {
    Parameter::Parse(UniString(), result);
    FAIL();
  } catch (const Strata::IllegalArgumentException& e) {
    EXPECT_STREQ(e.what(), "Invalid parameter string: string is empty.");
    EXPECT_EQ(e.GetErrorCode(), -50);
  }
}

TEST(Parameter, ConstructorsApplyTheNameRule) {
  EXPECT_NO_THROW(Parameter("Content_ID-9"));
  const std::u16string bad[] = {u"file name", u"a=b", u"a;b", u"\"a\"", u"na\u00efve", u"a.b"};
  for (const std::u16string& name : bad) {
    try {
      Parameter parameter(U(name), "v");
      ADD_FAILURE() << U(name).ToCStr();
    } catch (const InvalidParameterNameException& e) {
      EXPECT_EQ(e.GetMessage(), U(u"Invalid parameter name: '" + name + u"'."));
      EXPECT_EQ(e.GetErrorCode(), -7003);
      EXPECT_STREQ(e.GetSourceFile(), "Source/Quorum/Server/Mail/Parameter.cpp");
    }
  }
  try {
    Parameter parameter{UniString()};
    FAIL();
  } catch (const Strata::IllegalArgumentException& e) {
    EXPECT_STREQ(e.what(), "Invalid parameter name: name is empty.");
  }
}

TEST(Parameter, EqualityIgnoresNameCaseButNotValueCase) {
  const Parameter parameter("Filename", "a.txt");
  EXPECT_EQ(parameter, parameter);
  EXPECT_EQ(parameter, Parameter("FILENAME", "a.txt"));
  EXPECT_NE(parameter, Parameter("Filename", "A.txt"));
  EXPECT_FALSE(Parameter().IsValid());
}

TEST(Parameter, ChannelRoundTripAndTruncationLeaveNoHalfValue) {
  using MailTest::ByteWriter;
  const Parameter parameter("name", U(u"\"\\\u00e9"));
  EXPECT_EQ(MailTest::RoundTrip(parameter), parameter);

  Parameter unchecked;
  MailTest::ReadFrom(ByteWriter().String(u"a b").String(u"v").Get(), unchecked);
  EXPECT_EQ(unchecked.GetName(), UniString("a b"));

  Parameter kept("keep", "me");
  EXPECT_THROW(MailTest::ReadFrom(ByteWriter().String(u"x").Raw({0, 0}).Get(), kept),
               Strata::IOException);
  EXPECT_EQ(kept, Parameter("keep", "me"));
}
