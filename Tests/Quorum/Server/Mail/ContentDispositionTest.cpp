#include "Quorum/Server/Mail/ContentDisposition.h"

#include "MailTestSupport.h"
#include "Quorum/Server/Mail/ContentDispositionParameters.h"

using namespace Quorum::Server::Mail;
using Strata::UniString;

static ContentDisposition AttachmentNamed(const UniString& filename) {
  ContentDisposition value(Disposition::Attachment);
  value.GetParameters().Set(ContentDispositionParameters::Filename, filename);
  return value;
}

TEST(ContentDisposition, PrintsTheWordThenTheParametersAfterASemicolonAndParsesBack) {
  EXPECT_EQ(AttachmentNamed("a b.txt").ToString(), UniString("attachment;filename=\"a b.txt\""));
  EXPECT_EQ(ContentDisposition().ToString(), UniString("inline"));
  for (const UniString& name : MailTest::Texts(u"", u"a;b", u"x\";filename=\"y", u"\\", u"\"",
                                               u"a=b;c", u"\u00fcber \u65e5", u";", u" both ")) {
    ContentDisposition value = AttachmentNamed(name);
    value.GetParameters().Set("size", "12");
    ContentDisposition parsed;
    ASSERT_TRUE(ContentDisposition::Parse(value.ToString(), parsed)) << value.ToString().ToCStr();
    EXPECT_EQ(parsed, value);
  }
  ContentDisposition parsed = AttachmentNamed("x");
  ASSERT_TRUE(ContentDisposition::Parse("inline", parsed));
  EXPECT_EQ(parsed, ContentDisposition());
}

TEST(ContentDisposition, ParseRefusesMalformedTextAndLeavesTheResultAlone) {
  MailTest::ExpectParseRefuses(
      AttachmentNamed("keep"), "Invalid content disposition string: string is empty.",
      MailTest::Texts("attachment; filename=\"a\"", "attachment;", "Attachment", "inline ",
                      "attachment ;filename=\"a\"", "attachment;filename=a",
                      "attachment;filename=\"a\";", "form-data;name=\"a\"", ";"));
  ContentDisposition result;
  EXPECT_EQ(MailTest::MessageOf<Strata::IllegalArgumentException>(
                [&] { ContentDisposition::Parse(";filename=\"a\"", result); }),
            "Invalid disposition string: string is empty.");
}
