// Header and Parameter share their name rule, equality and channel form;
// those are checked here, through Header.
#include "Quorum/Server/Mail/Header.h"

#include <gtest/gtest.h>

#include "MailTestSupport.h"
#include "Quorum/Server/Mail/InvalidHeaderNameException.h"

using MailTest::U;
using Quorum::Server::Mail::Header;
using Strata::UniString;

TEST(Header, NamesHoldOnlyAsciiLettersDigitsUnderscoreAndHyphen) {
  for (const char* name : {"X-Mailer", "Content_ID9", "-", "_"}) {
    EXPECT_EQ(Header(name).GetName(), UniString(name));
  }
  for (const std::u16string name : {u"X Mailer", u"Subject:", u"Na\u00efve", u"a=b", u"tab\there",
                                    u"\u0410bc", u"x.y", u"end\""}) {
    try {
      const Header header(U(name), "v");
      ADD_FAILURE() << U(name).ToCStr();
    } catch (const Quorum::Server::Mail::InvalidHeaderNameException& e) {
      EXPECT_EQ(e.GetMessage(), U(u"Invalid header name: '" + name + u"'."));
      EXPECT_EQ(e.GetErrorCode(), -7003);
      EXPECT_STREQ(e.GetSourceFile(), "Source/Quorum/Server/Mail/Header.cpp");
    }
  }
  EXPECT_EQ(MailTest::MessageOf<Strata::IllegalArgumentException>([] { Header{UniString()}; }),
            "Invalid header name: name is empty.");
}

TEST(Header, EqualityIgnoresNameCaseButNotValueCase) {
  EXPECT_EQ(Header("Subject", "Hi"), Header("SUBJECT", "Hi"));
  EXPECT_NE(Header("Subject", "Hi"), Header("Subject", "hi"));
  EXPECT_NE(Header("Subject", "Hi"), Header("Subjects", "Hi"));
}

TEST(Header, ToStringShowsNameAndValueUnquoted) {
  EXPECT_EQ(Header("X", "a \"b\" \\c").ToString(), UniString("Header (name=X, value=a \"b\" \\c)"));
  EXPECT_EQ(Header().ToString(), UniString("Header (name=, value=)"));
}

TEST(Header, ReadTakesAnyNameAndCommitsOnlyWholeHeaders) {
  const Header header("Subject", U(u"\u00fcber \"x\""));
  const Header copy = MailTest::RoundTrip(header);
  EXPECT_EQ(copy.GetName(), header.GetName());
  EXPECT_EQ(copy.GetValue(), header.GetValue());
  Header odd;
  MailTest::ReadFrom(MailTest::WrittenBy([](Strata::OChannelX& c) {
                       c.WriteUniString("no good:");
                       c.WriteUniString("v");
                     }),
                     odd);
  EXPECT_EQ(odd.GetName(), UniString("no good:"));
  MailTest::ExpectTruncatedReadsLeaveUnchanged(odd, header);
}
