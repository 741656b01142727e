#include "Quorum/Server/Mail/Contents/TextContent.h"

#include "../CharsetSamples.h"
#include "../ContentTestSupport.h"

using namespace ContentTestSupport;
using namespace std::string_view_literals;

namespace {

// A new content filled with `bytes` through its output channel, decoded in
// `charset`.
Strata::Ref<TextContent> Filled(const Bytes& bytes, const char* charset = "") {
  auto content = Strata::MakeRef<TextContent>();
  content->SetCharset(charset);
  WriteContent(*content, bytes);
  return content;
}

Bytes AllBytes(const BodyPartContent& content) {
  const std::vector<std::byte> all = content.ReadAllBytes();
  return Bytes(reinterpret_cast<const unsigned char*>(all.data()),
               reinterpret_cast<const unsigned char*>(all.data()) + all.size());
}

}  // namespace

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

// ASCII goes out in blocks: a character outside ASCII anywhere among them,
// read back in pieces of any size, gives the same bytes as encoding one
// character at a time does.
TEST(TextContent, InputChannelEncodesAcrossAnyReadSizeWhereverOtherCharactersFall) {
  std::u16string mixed;
  for (int i = 0; i < 500; ++i) mixed += u"a\u00e9\u20ac\U0001F600\xDC00";
  std::vector<std::u16string> texts = {mixed};
  for (const std::u16string other : {u"\u00e9", u"\U0001F600", u"\xDC00"}) {
    for (std::size_t at = 0; at < 40; ++at)
      texts.push_back(std::u16string(40, u'a').insert(at, other));
  }
  for (const std::u16string& units : texts) {
    TextContent content{Strata::UniString(units)};
    const Bytes expected = Of(content.GetText().ToCStr());
    for (const unsigned int piece : {1u, 2u, 3u, 7u, 16u, 17u, 4096u}) {
      const auto channel = content.GetInputChannel();
      Bytes got(expected.size() + piece);
      std::size_t done = 0;
      for (unsigned int n; (n = channel->Read(got.data() + done, piece)) != 0;) done += n;
      EXPECT_EQ(Bytes(got.begin(), got.begin() + done), expected) << units.size() << " " << piece;
    }
  }
}

// Bytes that are all ASCII are their own text in UTF-8 (and any charset
// that decodes as UTF-8); a charset that reads them otherwise still does.
TEST(TextContent, AsciiBytesAreTheirOwnTextOnlyInUtf8) {
  for (std::size_t length = 0; length < 200; length += 7) {
    Bytes bytes(length);
    for (std::size_t i = 0; i < length; ++i) bytes[i] = static_cast<unsigned char>(i % 128);
    const Strata::Ref<TextContent> content = Filled(bytes, length % 2 == 0 ? "utf-8" : "");
    EXPECT_EQ(content->GetText(), Strata::UniString(std::u16string(bytes.begin(), bytes.end())));
    EXPECT_EQ(content->GetSize(), length);
    EXPECT_TRUE(content->Equals(TextContent(content->GetText()))) << length;  // nothing kept
  }
  const Strata::Ref<TextContent> wide = Filled(Of("Hi"), "UTF-16BE");
  EXPECT_EQ(wide->GetText(), U(u"\u4869"));
  EXPECT_EQ(ContentBytes(*wide), Of("Hi"));
}

// An output channel collects ASCII as text until another byte comes; bytes
// written in pieces, ASCII before and after the others, in any charset,
// give what the same bytes written at once give.
TEST(TextContent, BytesWrittenInPiecesDecodeAsWhenWrittenAtOnce) {
  std::vector<CharsetSamples::Sample> samples = CharsetSamples::All();
  for (CharsetSamples::Sample sample : samples) {
    SCOPED_TRACE(sample.name);
    Bytes bytes = Of("ascii before ");
    bytes.insert(bytes.end(), sample.bytes.begin(), sample.bytes.end());
    const Bytes after = Of(" and after");
    bytes.insert(bytes.end(), after.begin(), after.end());
    const Strata::Ref<TextContent> whole = Filled(bytes, sample.charset);
    for (const std::size_t piece : {std::size_t{1}, std::size_t{5}, std::size_t{13}}) {
      auto content = Strata::MakeRef<TextContent>();
      content->SetCharset(sample.charset);
      const auto channel = content->GetOutputChannel();
      channel->ReserveMore(static_cast<unsigned int>(bytes.size()));
      for (std::size_t at = 0; at < bytes.size(); at += piece) {
        channel->Write(bytes.data() + at,
                       static_cast<unsigned int>(std::min(piece, bytes.size() - at)));
      }
      EXPECT_TRUE(content->GetText().IsEmpty());  // nothing before Close
      channel->Close();
      EXPECT_EQ(content->GetText(), whole->GetText()) << piece;
      EXPECT_EQ(ContentBytes(*content), bytes) << piece;
      EXPECT_EQ(content->Equals(TextContent(content->GetText())),
                whole->Equals(TextContent(whole->GetText())))
          << piece;
    }
  }
  // The charset is the one at Close, also for ASCII collected as text.
  auto content = Strata::MakeRef<TextContent>();
  const auto channel = content->GetOutputChannel();
  channel->Write(Of("Hi").data(), 2);
  content->SetCharset("UTF-16BE");
  channel->Close();
  EXPECT_EQ(content->GetText(), U(u"\u4869"));
  EXPECT_EQ(ContentBytes(*content), Of("Hi"));
}

TEST(TextContent, OutputChannelDecodesOnTheFirstCloseOnly) {
  TextContent content("before");
  content.GetOutputChannel()->Write(Of("dropped").data(), 7);
  const auto channel = content.GetOutputChannel();
  channel->Write(Bytes{'a', 0xFF, 0, 'b'}.data(), 4);
  EXPECT_EQ(content.GetText(), "before");
  channel->Close();
  EXPECT_EQ(content.GetText(), Strata::UniString(std::u16string_view(u"a\uFFFD\0b", 4)));
  EXPECT_EQ(ContentBytes(content), (Bytes{'a', 0xFF, 0, 'b'}));

  content.SetText("set after close");
  channel->Close();
  EXPECT_THROW(channel->Write(Of("x").data(), 1), Strata::IOException);
  EXPECT_EQ(content.GetText(), "set after close");
}

TEST(TextContent, KeepsTheBytesItWasFilledWithAndDecodesThemInItsCharset) {
  for (const CharsetSamples::Sample& sample : CharsetSamples::All()) {
    SCOPED_TRACE(sample.name);
    const Strata::Ref<TextContent> content = Filled(sample.bytes, sample.charset);
    EXPECT_EQ(content->GetText(), Strata::UniString(sample.text));
    EXPECT_EQ(ContentBytes(*content), sample.bytes);
    EXPECT_EQ(AllBytes(*content), sample.bytes);
    const std::unique_ptr<BodyPartContent> clone(content->Clone());
    EXPECT_EQ(ContentBytes(*clone), sample.bytes);
    EXPECT_EQ(dynamic_cast<TextContent&>(*clone).GetText(), content->GetText());
    EXPECT_EQ(dynamic_cast<TextContent&>(*clone).GetCharset(), content->GetCharset());
    EXPECT_TRUE(clone->Equals(*content) && content->Equals(*clone));
    const Strata::Ref<BodyPartContent> memory = MakeMemory(sample.bytes);
    EXPECT_TRUE(memory->Equals(*content) && content->Equals(*memory));
    // Kept bytes are compared as bytes, so the text's UTF-8 form differs.
    EXPECT_EQ(content->Equals(TextContent(content->GetText())), !sample.kept);
  }
}

TEST(TextContent, KeepsBytesExactlyWhenTheirUtf8DecodingWouldNotGiveThemBack) {
  // Every sequence of one or two bytes, and of three around every boundary of
  // the UTF-8 grammar: lead bytes, surrogates, overlong forms, U+10FFFF.
  std::vector<Bytes> inputs;
  for (unsigned int first = 0; first < 256; ++first) {
    inputs.push_back({static_cast<unsigned char>(first)});
    for (unsigned int second = 0; first >= 0x80 && second < 256; ++second) {
      inputs.push_back({static_cast<unsigned char>(first), static_cast<unsigned char>(second)});
    }
  }
  for (const unsigned char lead : {0x7F, 0x80, 0xC1, 0xC2, 0xDF, 0xE0, 0xE1, 0xEC, 0xED, 0xEE, 0xEF,
                                   0xF0, 0xF1, 0xF3, 0xF4, 0xF5, 0xFF}) {
    for (unsigned int second = 0x70; second < 0xD0; ++second) {
      for (const unsigned char third : {0x41, 0x7F, 0x80, 0xBD, 0xBF, 0xC0}) {
        inputs.push_back({lead, static_cast<unsigned char>(second), third});
        inputs.push_back({lead, static_cast<unsigned char>(second), 0x80, third});
      }
    }
  }
  // Long texts with one odd character in each place: a bad byte, which must
  // be kept, or a U+FFFD that was in the bytes, which must not.
  for (const Bytes& odd : {Bytes{0xE9}, Bytes{0xEF, 0xBF, 0xBD}, Bytes{0xEF, 0xBF, 0xBD, 0xFF}}) {
    for (std::size_t at = 0; at < 140; ++at) {
      Bytes bytes(140, 'a');
      bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(at), odd.begin(), odd.end());
      inputs.push_back(bytes);
    }
  }
  for (const Bytes& bytes : inputs) {
    const Strata::UniString decoded(bytes.data(), static_cast<unsigned int>(bytes.size()),
                                    Strata::CharacterCode::UTF8);
    const bool exact = Of(decoded.ToCStr()) == bytes;
    const Strata::Ref<TextContent> content = Filled(bytes);
    ASSERT_EQ(ContentBytes(*content), bytes);
    ASSERT_EQ(content->GetText(), decoded);
    ASSERT_EQ(content->Equals(TextContent(decoded)), exact) << testing::PrintToString(bytes);
  }
}

TEST(TextContent, SetCharsetDecodesTheSameBytesAnewAndSetTextDropsThem) {
  const Strata::Ref<TextContent> content = Filled(CharsetSamples::B("\xA1Hola"));
  EXPECT_EQ(content->GetText(), U(u"\uFFFDHola"));
  content->SetCharset("ISO-8859-1");
  EXPECT_EQ(content->GetText(), U(u"\u00A1Hola"));
  EXPECT_EQ(ContentBytes(*content), CharsetSamples::B("\xA1Hola"));
  content->SetCharset("utf8");
  EXPECT_EQ(content->GetText(), U(u"\uFFFDHola"));
  EXPECT_EQ(ContentBytes(*content), CharsetSamples::B("\xA1Hola"));

  // Without kept bytes the bytes are the text's UTF-8 form.
  TextContent text(U(u"caf\u00E9"));
  text.SetCharset("iso-8859-1");
  EXPECT_EQ(text.GetText(), U(u"caf\u00C3\u00A9"));
  EXPECT_EQ(ContentBytes(text), Of("caf\xC3\xA9"));
  EXPECT_TRUE(text.Equals(TextContent(U(u"caf\u00E9"))));
  text.SetCharset("");
  EXPECT_EQ(text.GetText(), U(u"caf\u00E9"));
  EXPECT_TRUE(text.Equals(TextContent(U(u"caf\u00E9"))));

  content->SetCharset("koi8-r");
  content->SetText("new");
  EXPECT_EQ(content->GetCharset(), "");
  EXPECT_EQ(ContentBytes(*content), Of("new"));
  EXPECT_TRUE(content->Equals(TextContent("new")));
}

TEST(TextContent, CharsetNamesThatNameNoConverterDecodeAsUtf8) {
  const Bytes bytes = Of("\xC3\xA9 \xE9");
  for (const Strata::UniString& name :
       Texts("", " ", "utf 8", "@#$%^&*", "x-unknown", std::string(300, 'a').c_str(),
             U(u"\u00FCtf-8"), U(u"utf-8\0latin1"sv))) {
    TextContent content;
    content.SetCharset(name);
    WriteContent(content, bytes);
    EXPECT_EQ(content.GetText(), U(u"\u00E9 \uFFFD")) << name.ToCStr();
    EXPECT_EQ(ContentBytes(content), bytes);
    EXPECT_EQ(content.GetCharset(), name);
  }
}

TEST(TextContent, CharsetsMayGiveMoreCharactersThanBytes) {
  // SCSU: a window at U+1F600, then one byte for each character in it.
  Bytes bytes{0x0B, 0x01, 0xEC};
  bytes.insert(bytes.end(), 200, 0x80);
  std::u16string text;
  for (int i = 0; i < 200; ++i) text += u"\U0001F600";
  const Strata::Ref<TextContent> content = Filled(bytes, "SCSU");
  EXPECT_EQ(content->GetText(), Strata::UniString(text));
  EXPECT_EQ(ContentBytes(*content), bytes);
}

TEST(TextContent, DecodesLongContentsAcrossTheConvertersPieces) {
  // An odd start puts every two-byte character across each 2^20-byte piece.
  Bytes bytes{'a'};
  std::u16string text = u"a";
  while (bytes.size() < 3 * (1u << 20)) {
    bytes.insert(bytes.end(), {0x93, 0xFA});
    text += u'\u65E5';
  }
  const Strata::Ref<TextContent> content = Filled(bytes, "Shift_JIS");
  EXPECT_TRUE(content->GetText() == Strata::UniString(text));
  EXPECT_TRUE(AllBytes(*content) == bytes);
  for (unsigned int piece : {7u, 65536u}) {
    const auto channel = content->GetInputChannel();
    EXPECT_EQ(channel->GetAvailable(), bytes.size());
    Bytes got(piece);
    std::size_t done = 0;
    bool same = true;
    for (unsigned int n; (n = channel->Read(got.data(), piece)) != 0; done += n) {
      same = same && std::equal(got.begin(), got.begin() + n, bytes.begin() + done);
    }
    EXPECT_TRUE(same && done == bytes.size()) << "pieces of " << piece;
    channel->Close();
    EXPECT_EQ(channel->Read(got.data(), piece), 0u);
  }
}
