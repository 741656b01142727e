#include "Quorum/Server/Mail/DefaultBodyPartContentFactory.h"

#include "CharsetSamples.h"
#include "ContentTestSupport.h"

namespace {

using namespace ContentTestSupport;

// The content the factory makes for a Content-Type value.
Strata::Ref<BodyPartContent> CreateFor(const Strata::UniString& contentType) {
  Headers headers;
  headers.Set("content-type", contentType);
  return DefaultBodyPartContentFactory().Create(headers);
}

TEST(DefaultBodyPartContentFactory, ChoosesTextByTheExactPrefixAndPassesTheCharsetOn) {
  const std::pair<const char*, const char*> textTypes[] = {
      {"text", ""},
      {"text/plain", ""},
      {"text/html; charset=\"iso-8859-1\"", "iso-8859-1"},
      {"text/plain;charset=UTF-8", "UTF-8"},
      {"text/plain ;  CharSet = koi8-r ; format=flowed", "koi8-r"},
      {"text/plain;\r\n\tcharset=windows-1252", "windows-1252"},
      {"text/plain; format=flowed; charset=big5", "big5"},
      {"text/plain; name=\"a;charset=x\"; charset=\"gb\\\"2312\"", "gb\"2312"},
      {"text/plain; charset=us-ascii (Plain text)", "us-ascii"},
      {"text/plain; charset=utf-8; charset=latin1", "utf-8"},
      {"text/plain; charset=\"unterminated", "unterminated"},
      {"text/plain; charset=", ""},
      {"text/plain; charset", ""},
      {"text/plain; xcharset=latin1; charsetx=latin2", ""},
      {"text/plain; =latin1;;; charset=latin3", "latin3"},
  };
  for (const auto& [contentType, charset] : textTypes) {
    const Strata::Ref<BodyPartContent> content = CreateFor(contentType);
    const auto* text = dynamic_cast<TextContent*>(content.Get());
    ASSERT_NE(text, nullptr) << contentType;
    EXPECT_EQ(text->GetCharset(), charset) << contentType;
  }
  for (const char* contentType :
       {"Text/plain; charset=latin1", "TEXT", "application/pdf", " text/plain", ""}) {
    EXPECT_NE(dynamic_cast<MemoryContent*>(CreateFor(contentType).Get()), nullptr) << contentType;
  }
  EXPECT_NE(dynamic_cast<MemoryContent*>(DefaultBodyPartContentFactory().Create({}).Get()),
            nullptr);
}

TEST(DefaultBodyPartContentFactory, ReadsTheCharsetOfEveryRealWorldSample) {
  for (const CharsetSamples::Sample& sample : CharsetSamples::All()) {
    const Strata::Ref<BodyPartContent> content = CreateFor(sample.contentType);
    const auto* text = dynamic_cast<TextContent*>(content.Get());
    ASSERT_NE(text, nullptr) << sample.name;
    EXPECT_EQ(text->GetCharset(), sample.charset) << sample.name;
  }
}

TEST(DefaultBodyPartContentFactory, NeverThrowsOnAnyPartOfAnAwkwardValue) {
  const std::u16string value =
      u"text/plain; a=\"x;\\\"y\\\\\"; charset = \"\u00FCtf\\\\-8\\\"; b=\t\r\n;\"\"=;=\"\"\\";
  for (std::size_t end = 0; end <= value.size(); ++end) {
    EXPECT_NO_THROW(CreateFor(Strata::UniString(std::u16string_view(value).substr(0, end))));
  }
}

}  // namespace
