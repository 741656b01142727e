#include "Quorum/Server/Mail/Disposition.h"

#include "MailTestSupport.h"

using Quorum::Server::Mail::Disposition;

TEST(Disposition, WordsAreExactBothWaysAndAnyNumberCrossesChannelsAsOneShort) {
  EXPECT_EQ(Disposition(), Disposition::Inline);
  for (const auto& [type, word] : {std::pair(Disposition::Attachment, "attachment"),
                                   std::pair(Disposition::Inline, "inline")}) {
    EXPECT_EQ(Disposition(type).ToString(), Strata::UniString(word));
    Disposition parsed(static_cast<Disposition::Type>(9));
    ASSERT_TRUE(Disposition::Parse(word, parsed));
    EXPECT_EQ(parsed, type);
  }
  MailTest::ExpectParseRefuses(
      Disposition(Disposition::Attachment), "Invalid disposition string: string is empty.",
      MailTest::Texts("Inline", "INLINE", " inline", "inline ", "inlin", "attachments"));
  // On a channel: one short; other numbers are kept and have no word.
  EXPECT_EQ(MailTest::BytesOf(Disposition()), (MailTest::Bytes{0, 1}));
  EXPECT_EQ(MailTest::BytesOf(Disposition(Disposition::Attachment)), (MailTest::Bytes{0, 0}));
  const Disposition other = MailTest::RoundTrip(Disposition(static_cast<Disposition::Type>(-2)));
  EXPECT_EQ(static_cast<int>(other), -2);
  EXPECT_TRUE(other.ToString().IsEmpty());
  MailTest::ExpectTruncatedReadsLeaveUnchanged(Disposition(), other);
}
