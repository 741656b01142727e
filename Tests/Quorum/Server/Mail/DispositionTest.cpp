#include "Quorum/Server/Mail/Disposition.h"

#include "MailTestSupport.h"

using Quorum::Server::Mail::Disposition;
using Strata::UniString;

TEST(Disposition, WordsAreExactBothWays) {
  EXPECT_EQ(Disposition(), Disposition::Inline);
  for (const auto& [type, word] : {std::pair(Disposition::Attachment, "attachment"),
                                   std::pair(Disposition::Inline, "inline")}) {
    EXPECT_EQ(Disposition(type).ToString(), UniString(word));
    Disposition parsed(static_cast<Disposition::Type>(9));
    ASSERT_TRUE(Disposition::Parse(word, parsed));
    EXPECT_EQ(parsed, type);
  }
  for (const char* text : {"Inline", "INLINE", " inline", "inline ", "inlin", "attachments"}) {
    Disposition result(Disposition::Attachment);
    EXPECT_FALSE(Disposition::Parse(text, result)) << text;
    EXPECT_EQ(result, Disposition::Attachment);
  }
  Disposition result;
  EXPECT_EQ(MailTest::MessageOf<Strata::IllegalArgumentException>(
                [&] { Disposition::Parse(UniString(), result); }),
            "Invalid disposition string: string is empty.");
}

TEST(Disposition, CrossesChannelsAsOneShortKeepingOtherNumbers) {
  EXPECT_EQ(MailTest::BytesOf(Disposition()), (MailTest::Bytes{0, 1}));
  EXPECT_EQ(MailTest::BytesOf(Disposition(Disposition::Attachment)), (MailTest::Bytes{0, 0}));
  for (const int number : {7, -2}) {
    const Disposition other =
        MailTest::RoundTrip(Disposition(static_cast<Disposition::Type>(number)));
    EXPECT_EQ(static_cast<int>(other), number);
    EXPECT_TRUE(other.ToString().IsEmpty());
  }
  MailTest::ExpectTruncatedReadsLeaveUnchanged(Disposition(), Disposition(Disposition::Attachment));
}
