#include "Quorum/Server/Mail/Header.h"

#include <gtest/gtest.h>

#include "MailTestSupport.h"

#include <string>

#include "Quorum/Server/Mail/InvalidHeaderNameException.h"
#include "Strata/IOException.h"
#include "Strata/IllegalArgumentException.h"

using Quorum::Server::Mail::Header;
using Quorum::Server::Mail::InvalidHeaderNameException;
using Strata::UniString;

TEST(Header, AcceptsLettersDigitsUnderscoreAndHyphen) {
  for (const char* name : {"X-Mailer", "Content_ID9", "a", "-", "_", "Z09az"}) {
    const Header header(name, "v");
    EXPECT_EQ(header.GetName(), UniString(name));
    EXPECT_EQ(header.GetValue(), UniString("v"));
    EXPECT_TRUE(header.IsValid());
  }
}

TEST(Header, RefusesAnyOtherCharacterQuotingTheWholeName) {
  const std::u16string names[] = {u"X Mailer",  u"Subject:", u"Na\u00efve", u"a=b",
                                  u"tab\there", u"\u0410bc", u"x.y",        u"end\""};
  for (const std::u16string& name : names) {
    try {
      Header header{UniString(name)};
      ADD_FAILURE() << UniString(name).ToCStr();
    } catch (const InvalidHeaderNameException& e) {
      EXPECT_EQ(e.GetMessage(), UniString(u"Invalid header name: '" + name + u"'."));
      EXPECT_EQ(e.GetErrorCode(), -7003);
      EXPECT_STREQ(e.GetSourceFile(), "Source/Quorum/Server/Mail/Header.cpp");
    }
  }
}

TEST(Header, EmptyNameIsAnIllegalArgument) {
  for (int form = 0; form < 2; ++form) {
    try {
      const Header header = form == 0 ? Header(UniString()) : Header(UniString(), "v");
      ADD_FAILURE();
    } catch (const Strata::IllegalArgumentException& e) {
      EXPECT_STREQ(e.what(), "Invalid header name: name is empty.");
      EXPECT_EQ(e.GetErrorCode(), -50);
    }
  }
}

TEST(Header, EqualityIgnoresNameCaseButNotValueCase) {
  const Header header("Subject", "Hi");
  EXPECT_EQ(header, header);
  EXPECT_EQ(header, Header("SUBJECT", "Hi"));
  EXPECT_NE(header, Header("Subject", "hi"));
  EXPECT_NE(header, Header("Subjects", "Hi"));
  EXPECT_EQ(Header(), Header());
  EXPECT_FALSE(Header().IsValid());
}

TEST(Header, ToStringShowsNameAndValueUnquoted) {
  EXPECT_EQ(Header("Subject", "Hi").ToString(), UniString("Header (name=Subject, value=Hi)"));
  EXPECT_EQ(Header("X", "a \"b\" \\c").ToString(), UniString("Header (name=X, value=a \"b\" \\c)"));
  EXPECT_EQ(Header().ToString(), UniString("Header (name=, value=)"));
}

TEST(Header, ChannelReadTakesAnyNameAndCommitsOnlyWholeHeaders) {
  using MailTest::ByteWriter;
  const Header header("Subject", UniString(u"\u00fcber \"x\""));
  const Header copy = MailTest::RoundTrip(header);
  EXPECT_EQ(copy.GetName(), header.GetName());
  EXPECT_EQ(copy.GetValue(), header.GetValue());

  Header odd;
  MailTest::ReadFrom(ByteWriter().String(u"no good:").String(u"v").Get(), odd);
  EXPECT_EQ(odd.GetName(), UniString("no good:"));
  MailTest::ReadFrom(ByteWriter().String(u"").String(u"v").Get(), odd);
  EXPECT_FALSE(odd.IsValid());

  EXPECT_THROW(MailTest::ReadFrom(
                   ByteWriter().String(u"To").UnsignedInt(4000000000u).Raw({1, 2}).Get(), odd),
               Strata::IOException);
  EXPECT_FALSE(odd.IsValid());
  EXPECT_EQ(odd.GetValue(), UniString("v"));
}
