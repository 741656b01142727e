#include "Quorum/Server/Mail/ContentDisposition.h"

#include "MailTestSupport.h"
#include "Quorum/Server/Mail/ContentDispositionParameters.h"

using namespace Quorum::Server::Mail;
using MailTest::MessageOf;
using Strata::IllegalArgumentException;
using Strata::UniString;

namespace {

ContentDisposition AttachmentNamed(const UniString& filename) {
  ContentDisposition value(Disposition::Attachment);
  value.GetParameters().Set(ContentDispositionParameters::Filename, filename);
  return value;
}

}  // namespace

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
  for (const UniString& text :
       MailTest::Texts("attachment; filename=\"a\"", "attachment;", "Attachment", "INLINE",
                       "inline ", " inline", "attachment ;filename=\"a\"", "attachment;filename=a",
                       "attachment;filename=\"a\";", "attachment;;filename=\"a\"",
                       "form-data;name=\"a\"", ";", "inline;filename=\"a")) {
    ContentDisposition result = AttachmentNamed("keep");
    EXPECT_FALSE(ContentDisposition::Parse(text, result)) << text.ToCStr();
    EXPECT_EQ(result, AttachmentNamed("keep"));
  }
  ContentDisposition result;
  EXPECT_EQ(MessageOf<IllegalArgumentException>([&] { ContentDisposition::Parse({}, result); }),
            "Invalid content disposition string: string is empty.");
  EXPECT_EQ(MessageOf<IllegalArgumentException>(
                [&] { ContentDisposition::Parse(";filename=\"a\"", result); }),
            "Invalid disposition string: string is empty.");
}
