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
  for (const char* bad : {"A", "A===", "AB=A", "AB==", "AA=A", "====", "AA==AA=="}) {
    EXPECT_FALSE(internal::DecodeBase64(bad)) << bad;
  }
  EXPECT_EQ(internal::ToUtf16("a\xF0\x9F\x98\x80"), std::u16string(u"a\U0001F600"));
  for (const char* bad : {"\xC0\x80", "\xED\xA0\x80", "\xE2\x82", "\xF4\x90\x80\x80", "\x80"}) {
    EXPECT_FALSE(internal::ToUtf16(bad)) << bad;
  }
  EXPECT_FALSE(internal::ToUtf8(u"\xDC00"));
  EXPECT_EQ(internal::FormatCount(4294967295u), "4,294,967,295");
  EXPECT_EQ(internal::FormatCount(100), "100");
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
}
