#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "Strata/IChannelX.h"
#include "Strata/IOException.h"
#include "Strata/IllegalArgumentException.h"
#include "Strata/OChannelX.h"
#include "Strata/SequenceReader.h"
#include "Strata/SequenceWriter.h"
#include "Strata/Throw.h"

using namespace Strata;

namespace {

// A small value with a channel form: a text, a number and a flag. Writing
// the number 13 fails after the text was written.
struct Entry {
  UniString name;
  std::uint32_t number = 0;
  bool flag = false;

  void Write(OChannelX& out) const {
    out.WriteUniString(name);
    if (number == 13) STRATA_THROW(IllegalArgumentException, "Unlucky.");
    out.WriteUnsignedInt(number);
    out.WriteBool(flag);
  }
  void Read(IChannelX& in) {
    name = in.ReadUniString();
    number = in.ReadUnsignedInt();
    flag = in.ReadBool();
  }
  bool operator==(const Entry&) const = default;
};

const std::vector<Entry> Entries = {{"first", 1, true}, {"", 2, false}, {"third", 3, true}};

std::string Concatenated(const std::vector<Entry>& entries) {
  std::string bytes;
  for (const Entry& entry : entries) {
    for (const std::byte b : ToBytes(entry)) bytes += static_cast<char>(b);
  }
  return bytes;
}

}  // namespace

// Reading starts at the stream's position and leaves the stream right after
// the last value read.
TEST(Sequence, IsTheValuesBackToBackAndReadsToACleanEnd) {
  std::stringstream stream;
  stream << "head";
  SequenceWriter<Entry> writer(stream);
  for (const Entry& entry : Entries) writer.Write(entry);
  writer.Close();
  EXPECT_EQ(writer.GetCount(), 3u);
  EXPECT_EQ(stream.str(), "head" + Concatenated(Entries));

  stream.ignore(4);
  SequenceReader<Entry> reader(stream);
  Entry value;
  for (std::size_t i = 0; i < Entries.size(); ++i) {
    EXPECT_EQ(reader.GetOffset(), Concatenated({Entries.begin(), Entries.begin() + i}).size());
    ASSERT_TRUE(reader.Read(value));
    EXPECT_EQ(value, Entries[i]);
    EXPECT_EQ(stream.tellg(), static_cast<std::streamoff>(4 + reader.GetOffset()));
  }
  EXPECT_FALSE(reader.Read(value));
  EXPECT_FALSE(reader.Read(value));
  EXPECT_EQ(value, Entries.back());
  EXPECT_EQ(reader.GetIndex(), 3u);
  EXPECT_EQ(reader.GetOffset(), Concatenated(Entries).size());
}

// A value cut short or malformed, even with bytes after it, fails naming its
// index and offset; the position of a later value is unknown, so the reader
// stops for good.
TEST(Sequence, AFailedValueNamesItsIndexAndOffsetAndStopsTheReader) {
  const std::string whole = Concatenated(Entries);
  struct Case {
    std::string bytes;
    std::size_t index;
    std::string message;
  };
  std::vector<Case> cases;
  const std::size_t second = Concatenated({Entries[0]}).size();
  const std::size_t third = Concatenated({Entries[0], Entries[1]}).size();
  for (std::size_t cut = third + 1; cut < whole.size(); ++cut) {
    cases.push_back(
        {whole.substr(0, cut), 2,
         "Value 2 of the sequence (byte offset " + std::to_string(third) + ") is truncated: "});
  }
  cases.push_back({whole, 1,
                   "Value 1 of the sequence (byte offset " + std::to_string(second) +
                       ") cannot be read: Failed to read bool"});
  cases.back().bytes[third - 1] = 2;  // the flag of the second value
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bytes.size());
    std::stringstream stream(c.bytes);
    SequenceReader<Entry> reader(stream);
    Entry value;
    for (std::size_t i = 0; i < c.index; ++i) ASSERT_TRUE(reader.Read(value));
    try {
      reader.Read(value);
      ADD_FAILURE();
    } catch (const IOException& e) {
      EXPECT_EQ(std::string(e.what()).rfind(c.message, 0), 0u) << e.what();
      EXPECT_NE(e.GetCause(), nullptr);
    }
    EXPECT_EQ(value, Entries[c.index - 1]);
    EXPECT_EQ(reader.GetIndex(), c.index);
    EXPECT_EQ(reader.GetOffset(), c.index == 2 ? third : second);
    EXPECT_THROW(reader.Read(value), IOException);
  }
}

TEST(Sequence, AValueThatFailsToWriteAddsNothing) {
  std::stringstream stream;
  SequenceWriter<Entry> writer(stream);
  writer.Write(Entries[0]);
  EXPECT_THROW(writer.Write(Entry{"unlucky", 13, false}), IllegalArgumentException);
  writer.Write(Entries[1]);
  EXPECT_EQ(writer.GetCount(), 2u);
  EXPECT_EQ(stream.str(), Concatenated({Entries[0], Entries[1]}));
}

TEST(Sequence, FilesRoundTripAndFileFailuresThrow) {
  const char* root = std::getenv("QUORUM_TEST_TMPDIR");
  const std::filesystem::path path =
      (root != nullptr ? std::filesystem::path(root) : std::filesystem::temp_directory_path()) /
      "sequence-test.bin";
  WriteSequenceToFile(Entries, path);
  EXPECT_EQ(ReadSequenceFromFile<Entry>(path), Entries);
  WriteSequenceToFile(std::vector<Entry>(), path);
  EXPECT_TRUE(ReadSequenceFromFile<Entry>(path).empty());
  std::filesystem::remove(path);

  EXPECT_THROW(ReadSequenceFromFile<Entry>(path), IOException);
  EXPECT_THROW(SequenceWriter<Entry>(path / "no" / "such"), IOException);
  if (std::filesystem::exists("/dev/full")) {
    SequenceWriter<Entry> full(std::filesystem::path("/dev/full"));
    full.Write(Entries[0]);  // buffered
    EXPECT_THROW(full.Close(), IOException);
  }
}
