#include "Quorum/Server/Mail/Contents/TextContent.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "../ContentTestSupport.h"
#include "Quorum/Common/IO/NullIBinaryChannel.h"

using namespace ContentTestSupport;
using Quorum::Server::Mail::Contents::TextContent;

TEST(TextContent, SizeCountsEveryUtf8ByteOfTheText) {
  struct Case {
    std::u16string text;
    unsigned int size;
  };
  const Case cases[] = {
      {u"", 0},
      {u"abc", 3},
      {u"h\u00e9llo", 6},
      {u"\u20ac", 3},
      {u"\U0001F600", 4},
      {std::u16string(1, u'\xD800'), 3},  // a lone surrogate goes out as U+FFFD
      {std::u16string(u"a\0b\0", 4), 4},  // U+0000 is a character like any other
  };
  for (const Case& c : cases) {
    const Strata::UniString text(c.text);
    TextContent content(text);
    EXPECT_EQ(content.GetSize(), c.size);
    EXPECT_EQ(ContentBytes(content), Of(text.ToCStr()));
    content.SetText("");
    content.SetText(text);
    EXPECT_EQ(content.GetSize(), c.size);
  }
  const auto empty = TextContent().GetInputChannel();
  EXPECT_NE(dynamic_cast<Quorum::Common::IO::NullIBinaryChannel*>(empty.Get()), nullptr);
}

TEST(TextContent, InputChannelEncodesAcrossAnyReadSize) {
  std::u16string units;
  for (int i = 0; i < 500; ++i) units += u"a\u00e9\u20ac\U0001F600\xDC00";
  const Strata::UniString text(units);
  const Bytes expected = Of(text.ToCStr());
  TextContent content(text);
  ASSERT_EQ(content.GetSize(), expected.size());
  for (unsigned int piece : {1u, 2u, 3u, 5u, 4096u}) {
    const auto channel = content.GetInputChannel();
    Bytes got(expected.size() + 8);
    std::size_t done = 0;
    for (unsigned int n; (n = channel->Read(got.data() + done, piece)) != 0;) done += n;
    got.resize(done);
    EXPECT_EQ(got, expected) << "pieces of " << piece;
  }
}

TEST(TextContent, OutputChannelDecodesOnCloseOnly) {
  TextContent content("before");
  const auto channel = content.GetOutputChannel();
  channel->Write(Of("Hi").data(), 2);
  EXPECT_EQ(content.GetText(), "before");
  channel->Close();
  EXPECT_EQ(content.GetText(), "Hi");
  EXPECT_EQ(content.GetSize(), 2u);

  content.GetOutputChannel()->Write(Of("dropped").data(), 7);
  EXPECT_EQ(content.GetText(), "Hi");
  content.GetOutputChannel()->Close();
  EXPECT_EQ(content.GetText(), "");
  EXPECT_EQ(content.GetSize(), 0u);

  // The size follows the decoded text, not the bytes written.
  WriteContent(content, Bytes{'a', 0xFF, 0, 'b'});
  EXPECT_EQ(content.GetText(), Strata::UniString(std::u16string(u"a\uFFFD\0b", 4)));
  EXPECT_EQ(content.GetSize(), 6u);
}

TEST(TextContent, SecondCloseDoesNothingAndWritingAfterCloseThrows) {
  TextContent content("old");
  const auto channel = content.GetOutputChannel();
  channel->Write(Of("new").data(), 3);
  channel->Close();
  content.SetText("set after close");
  channel->Close();
  EXPECT_EQ(content.GetText(), "set after close");
  EXPECT_THROW(channel->Write(Of("x").data(), 1), Strata::IOException);
}

TEST(TextContent, ComparesTextsExactlyAndClonesIndependently) {
  TextContent content("abc");
  EXPECT_FALSE(content.Equals(TextContent("ABC")));
  std::unique_ptr<Quorum::Server::Mail::BodyPartContent> clone(content.Clone());
  EXPECT_TRUE(content.Equals(*clone));
  WriteContent(*clone, Of("xyz"));
  EXPECT_EQ(content.GetText(), "abc");
  EXPECT_FALSE(content.Equals(*clone));
}
