#include "Quorum/Server/Mail/Contents/TextContent.h"

#include "../ContentTestSupport.h"

using namespace ContentTestSupport;

TEST(TextContent, SizeCountsEveryUtf8ByteOfTheText) {
  const std::pair<std::u16string_view, unsigned int> cases[] = {
      {u"", 0},
      {u"h\u00e9\u20ac\U0001F600", 10},
      {u"\u007F\u0080\u07FF\u0800\uFFFF", 1 + 2 + 2 + 3 + 3},  // where each length begins
      {u"\xD800", 3},                          // a lone surrogate goes out as U+FFFD
      {std::u16string_view(u"a\0b\0", 4), 4},  // U+0000 is a character like any other
  };
  for (const auto& [text, size] : cases) {
    TextContent content{Strata::UniString(text)};
    EXPECT_EQ(content.GetSize(), size);
    EXPECT_EQ(ContentBytes(content), Of(content.GetText().ToCStr()));
  }
}

TEST(TextContent, InputChannelEncodesAcrossAnyReadSize) {
  std::u16string units;
  for (int i = 0; i < 500; ++i) units += u"a\u00e9\u20ac\U0001F600\xDC00";
  TextContent content{Strata::UniString(units)};
  const Bytes expected = Of(content.GetText().ToCStr());
  for (unsigned int piece : {1u, 2u, 3u, 5u, 4096u}) {
    const auto channel = content.GetInputChannel();
    Bytes got(expected.size() + piece);
    std::size_t done = 0;
    for (unsigned int n; (n = channel->Read(got.data() + done, piece)) != 0;) done += n;
    EXPECT_EQ(Bytes(got.begin(), got.begin() + done), expected) << "pieces of " << piece;
  }
}

TEST(TextContent, OutputChannelDecodesOnTheFirstCloseOnly) {
  TextContent content("before");
  content.GetOutputChannel()->Write(Of("dropped").data(), 7);
  const auto channel = content.GetOutputChannel();
  channel->Write(Bytes{'a', 0xFF, 0, 'b'}.data(), 4);
  EXPECT_EQ(content.GetText(), "before");
  channel->Close();
  EXPECT_EQ(content.GetText(), Strata::UniString(std::u16string_view(u"a\uFFFD\0b", 4)));
  EXPECT_EQ(content.GetSize(), 6u);  // of the decoded text, not of the bytes written

  content.SetText("set after close");
  channel->Close();
  EXPECT_THROW(channel->Write(Of("x").data(), 1), Strata::IOException);
  EXPECT_EQ(content.GetText(), "set after close");
}
