// The decoder's limits: every count and size is held against the bytes that
// remain, exactly; and what it reads from a file equals what it reads from
// memory.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "Decoder.h"
#include "Encoder.h"
#include "JsonRenderer.h"
#include "Schema.h"
#include "Sink.h"
#include "Source.h"

using namespace Quorum::Tools::Examiner;
using Json = nlohmann::ordered_json;
using Bytes = std::vector<unsigned char>;

namespace {

// Collects what verify reports.
struct Findings : Sink {
  std::vector<std::string> found;
  void Disagreement(const Failure& finding) override { found.push_back(finding.Describe()); }
};

std::string FailureOf(const char* type, const Bytes& bytes) {
  Source source(bytes);
  Sink nothing;
  const Decoding decoding = Decode(*FindSchema(type), source, nothing);
  return decoding.failure ? decoding.failure->Describe() : "ok";
}

Bytes Encoded(const char* type, const char* json) {
  return Encode(*FindSchema(type), Json::parse(json));
}

void PutUnsignedInt(Bytes& bytes, std::size_t offset, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<unsigned char>(value >> (24 - 8 * i));
}

// A body part named "p" without headers: its content flag is at offset 10.
constexpr std::size_t FlagOffset = 10;

}  // namespace

TEST(ExaminerDecoder, CountsAndSizesExactlyAtTheBytesRemainingPassAndOneMoreFails) {
  // Three empty flags take 4 bytes each after the count.
  Bytes flags = Encoded("flags", R"(["", "", ""])");
  EXPECT_EQ(FailureOf("flags", flags), "ok");
  PutUnsignedInt(flags, 0, 4);
  EXPECT_EQ(FailureOf("flags", flags),
            "offset 0: claims 4 flags of at least 4 bytes each, 12 remain");

  Bytes text = Encoded("mail-id", R"("abc")");
  PutUnsignedInt(text, 0, 4);
  EXPECT_EQ(FailureOf("mail-id", text), "offset 0: claims 4 characters (8 bytes), 6 remain");

  Bytes part =
      Encoded("body-part", R"({"name": "p", "headers": [], "content": {"text": "12345"}})");
  EXPECT_EQ(FailureOf("body-part", part), "ok");
  // A body part cut short is refused, although only checked.
  for (std::size_t cut = 1; cut <= 5; ++cut) {
    EXPECT_EQ(FailureOf("body-part", Bytes(part.begin(), part.end() - cut)),
              "offset 11: content size: claims 5 bytes, " + std::to_string(5 - cut) +
                  (cut == 4 ? " remains" : " remain"));
  }
  PutUnsignedInt(part, FlagOffset + 1, 6);
  EXPECT_EQ(FailureOf("body-part", part), "offset 11: content size: claims 6 bytes, 5 remain");
}

TEST(ExaminerDecoder, BoolBytesOtherThanZeroAndOneAndTrailingBytesAreFailures) {
  Bytes part = Encoded("body-part", R"({"name": "p", "headers": [], "content": null})");
  part[FlagOffset] = 2;
  EXPECT_EQ(FailureOf("body-part", part),
            "offset 10: content flag: invalid bool byte 2 (0 or 1 expected)");

  Bytes quota = Encoded("quota", R"({"hard": 1, "soft": 2})");
  quota.push_back(0);
  EXPECT_EQ(FailureOf("quota", quota), "offset 8: 1 trailing byte after the quota");
  quota.push_back(0);
  EXPECT_EQ(FailureOf("quota", quota), "offset 8: 2 trailing bytes after the quota");
}

TEST(ExaminerDecoder, AContentSizeHeaderThatDisagreesWithItsContentIsReported) {
  const struct {
    const char* headers;
    const char* content;
    bool disagrees;
  } cases[] = {
      {R"([{"name": "Content-Size", "value": "5"}])", R"({"text": "12345"})", false},
      {R"([{"name": "content-size", "value": "6"}])", R"({"text": "12345"})", true},
      {R"([{"name": "Content-Size", "value": "4"}])", R"({"text": "12345"})", true},
      {R"([{"name": "Content-Size", "value": "five"}])", R"({"text": "12345"})", true},
      {R"([{"name": "Content-Size", "value": "6"}, {"name": "Content-Size", "value": "5"}])",
       R"({"text": "12345"})", false},
      {R"([])", R"({"text": "12345"})", false},
      // Without content the header states the size of what was left out.
      {R"([{"name": "Content-Size", "value": "5"}])", "null", false},
  };
  for (const auto& c : cases) {
    const std::string json = std::string(R"({"name": "p", "headers": )") + c.headers +
                             R"(, "content": )" + c.content + "}";
    Source source(Encode(*FindSchema("body-part"), Json::parse(json)));
    Findings findings;
    EXPECT_FALSE(Decode(*FindSchema("body-part"), source, findings).failure);
    EXPECT_EQ(findings.found.size(), c.disagrees ? 1u : 0u) << json;
  }
}

TEST(ExaminerDecoder, AFileReadsAsTheSameBytesInMemoryAcrossItsBuffer) {
  // A content larger than the file buffer, so pieces and peeks cross it.
  std::string large(200000, 'x');
  for (std::size_t i = 0; i < large.size(); i += 7) large[i] = static_cast<char>('a' + i % 26);
  Json value = Json::parse(R"({"name": "p", "headers": [], "content": {}})");
  value["content"]["text"] = large;
  const Bytes one = Encode(*FindSchema("body-part"), value);
  Bytes three;
  for (int i = 0; i < 3; ++i) three.insert(three.end(), one.begin(), one.end());

  const char* root = std::getenv("QUORUM_TEST_TMPDIR");
  const std::filesystem::path path =
      (root != nullptr ? std::filesystem::path(root) : std::filesystem::temp_directory_path()) /
      "examiner-source.bin";
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(three.data()),
             static_cast<std::streamsize>(three.size()));

  std::ostringstream fromFile;
  std::ostringstream fromMemory;
  for (std::ostringstream* out : {&fromFile, &fromMemory}) {
    const auto source =
        out == &fromFile ? Source::Open(path.string()) : std::make_unique<Source>(three);
    JsonRenderer renderer(*out, true, true);
    const Decoding decoding = DecodeAll(*FindSchema("body-part"), *source, renderer);
    renderer.Finish(decoding.failure.has_value());
    EXPECT_FALSE(decoding.failure);
    EXPECT_EQ(decoding.values, 3u);
  }
  std::filesystem::remove(path);
  EXPECT_EQ(fromFile.str(), fromMemory.str());
  EXPECT_EQ(EncodeAll(*FindSchema("body-part"), Json::parse(fromFile.str())), three);

  EXPECT_THROW(Source::Open(path.string()), FileError);
  EXPECT_THROW(Source::Open(path.parent_path().string()), FileError);
}
