// The examiner's helpers and encoder. The decoder and renderers are held to
// their golden outputs by the quorum-mail cases; DecoderTest.cpp checks the
// decoder's limits.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Encoder.h"
#include "Internal/Text.h"
#include "Schema.h"
#include "Strata/IllegalArgumentException.h"

using namespace Quorum::Tools::Examiner;
using Json = nlohmann::ordered_json;

TEST(ExaminerText, Base64AndUtf8AcceptOnlyTheirCanonicalForms) {
  for (std::size_t n = 0; n < 6; ++n) {
    std::vector<unsigned char> bytes;
    for (std::size_t i = 0; i < n; ++i) bytes.push_back(static_cast<unsigned char>(0xF0 + i));
    EXPECT_EQ(internal::DecodeBase64(internal::EncodeBase64(bytes)), bytes) << n;
  }
  EXPECT_EQ(internal::DecodeBase64("AAE="), (std::vector<unsigned char>{0, 1}));
  // "AAB=" and "AB==" leave bits set beyond the last byte.
  for (const char* bad : {"A", "A===", "AB=A", "AB==", "AAB=", "AA=A", "====", "AA==AA=="}) {
    EXPECT_FALSE(internal::DecodeBase64(bad)) << bad;
  }
  EXPECT_FALSE(internal::ToUtf8(u"\xDC00"));
  EXPECT_EQ(internal::FormatCount(4294967295u), "4,294,967,295");
  EXPECT_EQ(internal::FormatCount(100), "100");
}

TEST(ExaminerText, Utf8ChangesLengthExactlyAtU0080U0800AndU10000) {
  const std::pair<std::u16string, std::string> cases[] = {{u"\u007F", "\x7F"},
                                                          {u"\u0080", "\xC2\x80"},
                                                          {u"\u07FF", "\xDF\xBF"},
                                                          {u"\u0800", "\xE0\xA0\x80"},
                                                          {u"\uFFFF", "\xEF\xBF\xBF"},
                                                          {u"\U00010000", "\xF0\x90\x80\x80"},
                                                          {u"\U0010FFFF", "\xF4\x8F\xBF\xBF"}};
  for (const auto& [units, utf8] : cases) {
    EXPECT_EQ(internal::ToUtf8(units), utf8) << utf8;
    EXPECT_EQ(internal::ToUtf16(utf8), units) << utf8;
  }
  // Overlong forms of the last character below each step, surrogates, past
  // U+10FFFF, cut short, a stray continuation byte.
  for (const char* bad : {"\xC1\xBF", "\xE0\x9F\xBF", "\xF0\x8F\xBF\xBF", "\xC0\x80",
                          "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE2\x82", "\x80"}) {
    EXPECT_FALSE(internal::ToUtf16(bad)) << bad;
    EXPECT_FALSE(internal::IsValidUtf8(bad)) << bad;
  }
}

TEST(ExaminerText, PiecesSplitAnywhereGiveWhatTheWholeGives) {
  const std::string texts[] = {"a\xC2\x80\xE0\xA0\x80\xF0\x90\x80\x80z", "ab\xE2\x82",
                               "\xE2\x41\x42", "plain", std::string("\x00\xFF\x10\x20", 4)};
  for (const std::string& text : texts) {
    for (std::size_t cut = 0; cut <= text.size(); ++cut) {
      internal::Utf8Checker checker;
      checker.Add(text.substr(0, cut));
      checker.Add(text.substr(cut));
      EXPECT_EQ(checker.IsValid(), internal::IsValidUtf8(text)) << text << " cut at " << cut;

      for (std::size_t second = cut; second <= text.size(); ++second) {
        internal::Base64Encoder encoder;
        std::string out;
        encoder.Add(text.substr(0, cut), out);
        encoder.Add(text.substr(cut, second - cut), out);
        encoder.Add(text.substr(second), out);
        encoder.Finish(out);
        EXPECT_EQ(out, internal::EncodeBase64({text.begin(), text.end()})) << cut << " " << second;
      }
    }
  }
}

TEST(ExaminerText, JsonEscapingIsNlohmannJsonsForEveryAsciiByte) {
  std::string all;
  for (int c = 0; c < 0x80; ++c) all += static_cast<char>(c);
  all += "\xE2\x82\xAC\xF0\x9F\x98\x80";
  EXPECT_EQ(internal::QuoteJson(all), Json(all).dump());
}

TEST(ExaminerEncoder, RefusesJsonThatDoesNotFollowTheSchemaNamingWhere) {
  const Json part = Json::parse(R"({"name": "a", "headers": [], "content": null})");
  const struct {
    const char* type;
    Json value;
    const char* where;
  } cases[] = {
      {"quota", Json::parse(R"({"hard": 1})"), "soft: missing"},
      {"quota", Json::parse(R"({"hard": 1, "soft": 2, "extra": 3})"), "unknown key"},
      {"quota", Json::parse(R"({"hard": -1, "soft": 2})"), "hard: out of range"},
      {"access", Json(32768), "out of range"},
      {"body-part", Json::parse(R"({"name": "a", "headers": [], "content": {"size": 1}})"),
       "content: the bytes were left out"},
      {"body-part",
       Json::parse(R"({"name": "a", "headers": [], "content": {"size": 2, "text": "x"}})"),
       "content.size: differs"},
      {"body-part",
       Json::parse(R"({"name": "a", "headers": [], "content": {"size": 1, "text": "xy"}})"),
       "content.size: differs from the 2 bytes given"},
      {"body-parts", Json::array({part, Json::parse(R"({"name": 1})")}), "[1].name"},
      {"flags", Json::array({Json::parse(R"({"utf16": [65536]})")}), "[0].utf16: out of range"},
  };
  for (const auto& c : cases) {
    try {
      Encode(*FindSchema(c.type), c.value);
      ADD_FAILURE() << c.value.dump();
    } catch (const Strata::IllegalArgumentException& e) {
      EXPECT_NE(std::string(e.what()).find(c.where), std::string::npos) << e.what();
    }
  }
  EXPECT_THROW(EncodeAll(*FindSchema("quota"), Json::parse(R"({"hard": 1, "soft": 2})")),
               Strata::IllegalArgumentException);
}

TEST(ExaminerEncoder, JsonNestedDeeperThanTheBoundIsRefusedBeforeParsing) {
  const auto nested = [](unsigned int depth, const std::string& inside) {
    return std::string(depth, '[') + inside + std::string(depth, ']');
  };
  EXPECT_NO_THROW(ParseJson(nested(MaxJsonDepth, "")));
  // Brackets inside strings, escaped quotes among them, do not count.
  EXPECT_NO_THROW(ParseJson(nested(MaxJsonDepth, R"("[[\"[[")")));
  for (const std::string& text : {nested(MaxJsonDepth + 1, ""), nested(100000, "")}) {
    try {
      ParseJson(text);
      ADD_FAILURE() << text.size();
    } catch (const Strata::IllegalArgumentException& e) {
      EXPECT_STREQ(e.what(), "nested deeper than 64 levels");
    }
  }
  EXPECT_THROW(ParseJson("[1,"), Strata::IllegalArgumentException);
}
