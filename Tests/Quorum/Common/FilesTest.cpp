#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "Quorum/Common/DebugPrintEx.h"
#include "Quorum/Common/IO/FileIBinaryChannel.h"
#include "Quorum/Common/IO/FileOBinaryChannel.h"
#include "Quorum/Common/IO/Files.h"
#include "Quorum/Common/IO/NullIBinaryChannel.h"
#include "Strata/IBinaryChannelUtilities.h"
#include "Strata/IOException.h"
#include "Strata/IllegalArgumentException.h"

using Quorum::Common::IO::CheckLocation;
using Quorum::Common::IO::Exists;
using Quorum::Common::IO::FileIBinaryChannel;
using Quorum::Common::IO::FileOBinaryChannel;
using Quorum::Common::IO::FileShare;
using Quorum::Common::IO::GetFileSize;

namespace {

using Bytes = std::vector<unsigned char>;

// A fresh, empty folder per test below QUORUM_TEST_TMPDIR (or the system's
// temporary folder), removed afterwards.
class Files : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* root = std::getenv("QUORUM_TEST_TMPDIR");
    const std::filesystem::path base = root != nullptr && *root != '\0'
                                           ? std::filesystem::path(root)
                                           : std::filesystem::temp_directory_path();
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    folder_ = base / ("FilesTest-" + std::string(info->name()) + "-" +
                      std::to_string(static_cast<long>(::getpid())));
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  Conduit::Location At(const char* name) const { return Conduit::Location(folder_ / name); }

  static Bytes ReadAll(const Conduit::Location& location) {
    FileIBinaryChannel input(location, FileShare::None);
    Bytes bytes;
    unsigned char buffer[1000];
    while (const unsigned int got = input.Read(buffer, sizeof buffer)) {
      bytes.insert(bytes.end(), buffer, buffer + got);
    }
    return bytes;
  }

  static void Write(FileOBinaryChannel& output, const Bytes& bytes) {
    output.Write(bytes.data(), static_cast<unsigned int>(bytes.size()));
  }

  std::filesystem::path folder_;
};

Bytes Pattern(std::size_t size, unsigned char seed) {
  Bytes bytes(size);
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<unsigned char>(seed + i * 13);
  return bytes;
}

}  // namespace

TEST_F(Files, WrittenBytesReadBackWhateverThePieceSizes) {
  const Conduit::Location file = At("content.bin");
  const Bytes small = Pattern(10, 1);
  const Bytes large = Pattern(200000, 2);
  const Bytes middle = Pattern(65535, 3);
  FileOBinaryChannel output(file, false, FileShare::None);
  Write(output, small);
  Write(output, large);
  Write(output, middle);
  output.Flush();
  output.Close();
  output.Close();
  Bytes expected = small;
  expected.insert(expected.end(), large.begin(), large.end());
  expected.insert(expected.end(), middle.begin(), middle.end());
  EXPECT_EQ(GetFileSize(file), expected.size());
  EXPECT_EQ(ReadAll(file), expected);
}

TEST_F(Files, WithoutAppendTheFileHoldsExactlyTheBytesWritten) {
  const Conduit::Location file = At("content.bin");
  {
    FileOBinaryChannel output(file, false, FileShare::None);
    Write(output, Pattern(5000, 1));
  }  // the destructor closes and flushes
  EXPECT_EQ(GetFileSize(file), 5000u);
  {
    FileOBinaryChannel output(file, false, FileShare::None);
    Write(output, Pattern(3, 9));
    output.Close();
  }
  EXPECT_EQ(ReadAll(file), Pattern(3, 9));
  {
    FileOBinaryChannel output(file, true, FileShare::ReadWrite);
    Write(output, Pattern(2, 5));
    output.Close();
  }
  Bytes expected = Pattern(3, 9);
  expected.insert(expected.end(), {5, 18});
  EXPECT_EQ(ReadAll(file), expected);
}

TEST_F(Files, ClosedChannelsRefuseWritesAndEndReads) {
  const Conduit::Location file = At("content.bin");
  FileOBinaryChannel output(file, false, FileShare::None);
  Write(output, Pattern(4, 0));
  output.Close();
  const unsigned char byte = 0;
  EXPECT_THROW(output.Write(&byte, 1), Strata::IOException);

  FileIBinaryChannel input(file, FileShare::None);
  unsigned char buffer[4];
  EXPECT_EQ(input.Read(buffer, 0), 0u);
  input.Close();
  EXPECT_EQ(input.Read(buffer, 4), 0u);
}

TEST_F(Files, MissingFilesThrowIOExceptionNamingThem) {
  const Conduit::Location missing = At("missing.bin");
  try {
    FileIBinaryChannel input(missing, FileShare::None);
    FAIL();
  } catch (const Strata::IOException& e) {
    EXPECT_NE(std::string(e.what()).find("missing.bin"), std::string::npos) << e.what();
    EXPECT_STREQ(e.GetSourceFile(), "Source/Quorum/Common/IO/FileIBinaryChannel.cpp");
  }
  EXPECT_THROW(GetFileSize(missing), Strata::IOException);
  EXPECT_THROW(GetFileSize(Conduit::Location(folder_)), Strata::IOException);
  EXPECT_THROW(FileOBinaryChannel(At("no-folder/file.bin"), false, FileShare::None),
               Strata::IOException);
}

TEST_F(Files, ExistsSeesFilesAndFolders) {
  EXPECT_FALSE(Exists(At("file.bin")));
  std::ofstream(folder_ / "file.bin") << "x";
  EXPECT_TRUE(Exists(At("file.bin")));
  EXPECT_TRUE(Exists(Conduit::Location(folder_)));
  EXPECT_FALSE(Exists(Conduit::Location()));
  EXPECT_EQ(GetFileSize(At("file.bin")), 1u);
}

TEST_F(Files, CheckLocationRefusesUnusableLocationsOnBehalfOfItsCaller) {
  struct Case {
    Conduit::Location location;
    Strata::UniString message;
  };
  const Conduit::Location orphan = At("no-folder/file.bin");
  const Conduit::Location folder(folder_);
  const std::vector<Case> refused = {
      {Conduit::Location(), "Invalid location: location is empty."},
      {orphan, Strata::UniString::Format("Invalid location: '%T': folder does not exist.",
                                         orphan.ToString())},
      {folder, Strata::UniString::Format("Invalid location: '%T' is a folder.", folder.ToString())},
  };
  for (const Case& c : refused) {
    try {
      CheckLocation(c.location, "Caller.cpp", 12u);
      FAIL() << c.location.ToString().ToCStr();
    } catch (const Strata::IllegalArgumentException& e) {
      EXPECT_EQ(e.GetMessage(), c.message) << e.what();
      EXPECT_STREQ(e.GetSourceFile(), "Caller.cpp");
      EXPECT_EQ(e.GetSourceLine(), 12u);
      EXPECT_EQ(e.GetErrorCode(), -50);
    }
  }
  EXPECT_NO_THROW(CheckLocation(At("not-yet.bin"), "Caller.cpp", 1u));
  EXPECT_NO_THROW(CheckLocation(Conduit::Location("relative.bin"), "Caller.cpp", 1u));
}

TEST(NullIBinaryChannel, IsAtItsEndAtOnce) {
  Quorum::Common::IO::NullIBinaryChannel input;
  unsigned char buffer[8];
  EXPECT_EQ(input.Read(buffer, 8), 0u);
  EXPECT_EQ(Strata::IBinaryChannelUtilities::ReadFully(input, buffer, 8), 0u);
  EXPECT_EQ(input.GetAvailable(), 0u);
}

TEST(DebugPrintEx, NeverThrows) {
  const Strata::IOException cause("Disk gone.", "a.cpp", 1u);
  EXPECT_NO_THROW(Quorum::Common::DebugPrintEx(
      Strata::IllegalArgumentException("Testing the debug output.", "b.cpp", 2u, cause)));
}
