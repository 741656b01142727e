#include "Quorum/Server/Mail/Disposition.h"

#include <gtest/gtest.h>

#include "MailTestSupport.h"

#include "Strata/IOException.h"
#include "Strata/IllegalArgumentException.h"

using MailTest::ByteWriter;
using Quorum::Server::Mail::Disposition;
using Strata::UniString;

TEST(Disposition, DefaultIsInlineAndNumbersAreFixed) {
  EXPECT_EQ(Disposition(), Disposition::Inline);
  EXPECT_EQ(static_cast<int>(Disposition(Disposition::Attachment)), 0);
  EXPECT_EQ(static_cast<int>(Disposition(Disposition::Inline)), 1);
  EXPECT_NE(Disposition(Disposition::Attachment), Disposition());
  EXPECT_TRUE(Disposition::Attachment != Disposition());
  Disposition a(Disposition::Attachment);
  Disposition b;
  a.Swap(b);
  EXPECT_EQ(a, Disposition::Inline);
  EXPECT_EQ(b, Disposition::Attachment);
}

TEST(Disposition, TextFormsRoundTrip) {
  for (const Disposition::Type type : {Disposition::Attachment, Disposition::Inline}) {
    Disposition parsed(type == Disposition::Inline ? Disposition::Attachment : Disposition::Inline);
    ASSERT_TRUE(Disposition::Parse(Disposition(type).ToString(), parsed));
    EXPECT_EQ(parsed, type);
  }
  EXPECT_EQ(Disposition(Disposition::Attachment).ToString(), UniString("attachment"));
  EXPECT_EQ(Disposition().ToString(), UniString("inline"));
}

TEST(Disposition, ParseMatchesExactlyAndLeavesTheResultAloneOtherwise) {
  for (const char* text : {"Inline", "INLINE", "Attachment", " inline", "inline ", "inlin",
                           "attachments", "inline;", "x"}) {
    Disposition result(Disposition::Attachment);
    EXPECT_FALSE(Disposition::Parse(text, result)) << text;
    EXPECT_EQ(result, Disposition::Attachment);
  }
  Disposition result;
  try {
    Disposition::Parse(UniString(), result);
    FAIL();
  } catch (const Strata::IllegalArgumentException& e) {
    EXPECT_STREQ(e.what(), "Invalid disposition string: string is empty.");
  }
}

TEST(Disposition, OtherNumbersAreKeptAndHaveNoText) {
  Disposition seven;
  EXPECT_EQ(MailTest::ReadFrom(ByteWriter().Short(7).Raw({9}).Get(), seven), 1u);
  EXPECT_EQ(static_cast<int>(seven), 7);
  EXPECT_EQ(seven.ToString(), UniString());
  EXPECT_NE(seven, Disposition::Inline);

  Disposition negative;
  MailTest::ReadFrom(ByteWriter().Short(-2).Get(), negative);
  EXPECT_EQ(static_cast<int>(negative), -2);

  const Disposition converted(static_cast<Disposition::Type>(0x12345));
  EXPECT_EQ(static_cast<int>(converted), 0x12345);
  EXPECT_EQ(MailTest::BytesOf(converted), (MailTest::Bytes{0x23, 0x45}));
}

TEST(Disposition, TakesExactlyOneShortOnAChannel) {
  EXPECT_EQ(MailTest::BytesOf(Disposition()), (MailTest::Bytes{0, 1}));
  EXPECT_EQ(MailTest::BytesOf(Disposition(Disposition::Attachment)), (MailTest::Bytes{0, 0}));
  Disposition kept(Disposition::Attachment);
  EXPECT_THROW(MailTest::ReadFrom(ByteWriter().Raw({0}).Get(), kept), Strata::IOException);
  EXPECT_EQ(kept, Disposition::Attachment);
}
