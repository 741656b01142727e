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

std::filesystem::path TemporaryFile(const char* name) {
  const char* root = std::getenv("QUORUM_TEST_TMPDIR");
  return (root != nullptr ? std::filesystem::path(root) : std::filesystem::temp_directory_path()) /
         name;
}

}  // namespace

TEST(Sequence, IsTheValuesBackToBackAndReadsToACleanEnd) {
  std::stringstream stream;
  SequenceWriter<Entry> writer(stream);
  for (const Entry& entry : Entries) writer.Write(entry);
  writer.Close();
  EXPECT_EQ(writer.GetCount(), 3u);
  EXPECT_EQ(stream.str(), Concatenated(Entries));

  SequenceReader<Entry> reader(stream);
  Entry value;
  for (std::size_t i = 0; i < Entries.size(); ++i) {
    EXPECT_EQ(reader.GetOffset(), Concatenated({Entries.begin(), Entries.begin() + i}).size());
    ASSERT_TRUE(reader.Read(value));
    EXPECT_EQ(value, Entries[i]);
  }
  EXPECT_FALSE(reader.Read(value));
  EXPECT_FALSE(reader.Read(value));
  EXPECT_EQ(value, Entries.back());
  EXPECT_EQ(reader.GetIndex(), 3u);
  EXPECT_EQ(reader.GetOffset(), stream.str().size());
}

TEST(Sequence, StartsAtTheStreamPositionAndLeavesTheStreamAfterTheLastValueRead) {
  std::stringstream stream("head" + Concatenated(Entries));
  stream.ignore(4);
  SequenceReader<Entry> reader(stream);
  Entry value;
  ASSERT_TRUE(reader.Read(value));
  EXPECT_EQ(reader.GetOffset(), Concatenated({Entries[0]}).size());
  EXPECT_EQ(stream.tellg(), static_cast<std::streamoff>(4 + reader.GetOffset()));
}

TEST(Sequence, ATruncatedLastValueIsAFailureNamingItsIndexAndOffset) {
  const std::string whole = Concatenated(Entries);
  const std::size_t lastOffset = Concatenated({Entries[0], Entries[1]}).size();
  for (std::size_t cut = lastOffset + 1; cut < whole.size(); ++cut) {
    std::stringstream stream(whole.substr(0, cut));
    SequenceReader<Entry> reader(stream);
    Entry value;
    ASSERT_TRUE(reader.Read(value));
    ASSERT_TRUE(reader.Read(value));
    try {
      reader.Read(value);
      ADD_FAILURE() << "cut at " << cut;
    } catch (const IOException& e) {
      EXPECT_EQ(std::string(e.what()).rfind("Value 2 of the sequence (byte offset " +
                                                std::to_string(lastOffset) + ") is truncated: ",
                                            0),
                0u)
          << e.what();
      EXPECT_NE(e.GetCause(), nullptr);
    }
    EXPECT_EQ(value, Entries[1]);
    EXPECT_EQ(reader.GetIndex(), 2u);
    EXPECT_EQ(reader.GetOffset(), lastOffset);
    // The position of a later value is unknown, so the reader stops for good.
    EXPECT_THROW(reader.Read(value), IOException);
  }
}

TEST(Sequence, AMalformedValueIsAFailureEvenWithBytesAfterIt) {
  std::string bytes = Concatenated(Entries);
  const std::size_t flagOfSecond = Concatenated({Entries[0], Entries[1]}).size() - 1;
  bytes[flagOfSecond] = 2;
  std::stringstream stream(bytes);
  SequenceReader<Entry> reader(stream);
  Entry value;
  ASSERT_TRUE(reader.Read(value));
  try {
    reader.Read(value);
    ADD_FAILURE();
  } catch (const IOException& e) {
    EXPECT_NE(std::string(e.what()).find("Value 1 of the sequence (byte offset " +
                                         std::to_string(Concatenated({Entries[0]}).size()) +
                                         ") cannot be read: Failed to read bool"),
              std::string::npos)
        << e.what();
  }
  EXPECT_EQ(value, Entries[0]);
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
  const std::filesystem::path path = TemporaryFile("sequence-test.bin");
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
