#include "Quorum/Server/Mail/ContentDisposition.h"

#include <gtest/gtest.h>

#include <string>

#include "MailTestSupport.h"
#include "Quorum/Server/Mail/ContentDispositionParameters.h"
#include "Strata/IllegalArgumentException.h"

using MailTest::U;
using Quorum::Server::Mail::ContentDisposition;
using Quorum::Server::Mail::ContentDispositionParameters;
using Quorum::Server::Mail::Disposition;
using Quorum::Server::Mail::Parameter;
using Quorum::Server::Mail::Parameters;
using Strata::UniString;

namespace {

ContentDisposition AttachmentNamed(const UniString& filename) {
  ContentDisposition value(Disposition::Attachment);
  value.GetParameters().Set(ContentDispositionParameters::Filename, filename);
  return value;
}

void ExpectIllegalArgument(const UniString& text, const char* message) {
  ContentDisposition result;
  try {
    ContentDisposition::Parse(text, result);
    ADD_FAILURE() << text.ToCStr();
  } catch (const Strata::IllegalArgumentException& e) {
    EXPECT_STREQ(e.what(), message);
  }
}

}  // namespace

TEST(ContentDisposition, FilenameConstantIsLowerCase) {
  EXPECT_EQ(ContentDispositionParameters::Filename, UniString("filename"));
}

TEST(ContentDisposition, AttachmentWithFilenamePrintsAndParsesBack) {
  const ContentDisposition value = AttachmentNamed("a b.txt");
  EXPECT_EQ(value.ToString(), UniString("attachment;filename=\"a b.txt\""));
  ContentDisposition parsed;
  ASSERT_TRUE(ContentDisposition::Parse(value.ToString(), parsed));
  EXPECT_EQ(parsed, value);
  Parameter filename;
  ASSERT_TRUE(parsed.GetParameters().Get("FileName", filename));
  EXPECT_EQ(filename.GetValue(), UniString("a b.txt"));
}

TEST(ContentDisposition, InlineWithoutParametersIsTheWordAlone) {
  EXPECT_EQ(ContentDisposition().ToString(), UniString("inline"));
  ContentDisposition parsed = AttachmentNamed("x");
  ASSERT_TRUE(ContentDisposition::Parse("inline", parsed));
  EXPECT_EQ(parsed.GetDisposition(), Disposition::Inline);
  EXPECT_TRUE(parsed.GetParameters().IsEmpty());
  EXPECT_EQ(ContentDisposition(), ContentDisposition(Disposition(Disposition::Inline)));
}

TEST(ContentDisposition, RoundTripOfAwkwardFilenames) {
  const std::u16string names[] = {u"",       u"a;b",   u"x\";filename=\"y", u"\\",
                                  u"\"",     u"a=b;c", u"\u00fcber \u65e5", u";",
                                  u" both ", u"\\\"\\"};
  for (const std::u16string& name : names) {
    ContentDisposition value = AttachmentNamed(U(name));
    value.GetParameters().Set("size", "12");
    ContentDisposition parsed;
    ASSERT_TRUE(ContentDisposition::Parse(value.ToString(), parsed)) << value.ToString().ToCStr();
    EXPECT_EQ(parsed, value);
  }
}

TEST(ContentDisposition, ParseRefusesMalformedTextAndLeavesTheResultAlone) {
  const char* malformed[] = {"attachment; filename=\"a\"",
                             "attachment;",
                             "Attachment",
                             "INLINE",
                             "inline ",
                             " inline",
                             "attachment ;filename=\"a\"",
                             "attachment;filename=a",
                             "attachment;filename=\"a\";",
                             "attachment;;filename=\"a\"",
                             "form-data;name=\"a\"",
                             ";",
                             "inline;filename=\"a"};
  for (const char* text : malformed) {
    ContentDisposition result = AttachmentNamed("keep");
    EXPECT_FALSE(ContentDisposition::Parse(text, result)) << text;
    EXPECT_EQ(result, AttachmentNamed("keep"));
  }
}

TEST(ContentDisposition, EmptyTextAndEmptyDispositionWordAreIllegalArguments) {
  ExpectIllegalArgument(UniString(), "Invalid content disposition string: string is empty.");
  ExpectIllegalArgument(";filename=\"a\"", "Invalid disposition string: string is empty.");
}

TEST(ContentDisposition, EqualityIgnoresParameterOrderAndNameCaseButNotValueCase) {
  Parameters forward;
  forward.Set("a", "1");
  forward.Set("b", "2");
  Parameters backward;
  backward.Set("B", "2");
  backward.Set("A", "1");
  const ContentDisposition value(Disposition::Attachment, forward);
  EXPECT_EQ(value, value);
  EXPECT_EQ(value, ContentDisposition(Disposition::Attachment, backward));
  EXPECT_NE(value, ContentDisposition(Disposition::Inline, backward));
  backward.Set("a", "ONE");
  forward.Set("a", "one");
  EXPECT_NE(ContentDisposition(Disposition::Attachment, forward),
            ContentDisposition(Disposition::Attachment, backward));
}
