// Header and Parameter share their name rule and channel form; those are
// checked here, through Header (equality through Headers).
#include "Quorum/Server/Mail/Header.h"

#include "MailTestSupport.h"
#include "Quorum/Server/Mail/InvalidHeaderNameException.h"

using namespace Quorum::Server::Mail;
using MailTest::FaultOf;
using Strata::UniString;

TEST(Header, NamesHoldOnlyAsciiLettersDigitsUnderscoreAndHyphen) {
  EXPECT_EQ(Header("Content_ID-9").GetName(), UniString("Content_ID-9"));
  for (const UniString& name : MailTest::Texts(u"X Mailer", u"Subject:", u"Na\u00efve", u"a=b",
                                               u"tab\there", u"\u0410bc", u"x.y", u"end\"")) {
    EXPECT_EQ(FaultOf<InvalidHeaderNameException>([&] { Header(name, "v"); }),
              "Invalid header name: '" + std::string(name.ToCStr()) +
                  "'. (Source/Quorum/Server/Mail/Header.cpp, -7003)");
  }
  EXPECT_EQ(FaultOf<Strata::IllegalArgumentException>([] { Header{UniString()}; }),
            "Invalid header name: name is empty. (Source/Quorum/Server/Mail/Header.cpp, -50)");
}

TEST(Header, ChannelFormIsNameThenValueAndReadTakesAnyName) {
  const MailTest::Bytes bytes = MailTest::WrittenAs("no good:", "\u00fcber \"x\"");
  Header odd;
  MailTest::ReadFrom(bytes, odd);
  EXPECT_EQ(odd.ToString(), UniString("Header (name=no good:, value=\u00fcber \"x\")"));
  EXPECT_EQ(MailTest::BytesOf(odd), bytes);
  MailTest::ExpectTruncatedReadsLeaveUnchanged(Header("Keep", "me"), odd);
}
