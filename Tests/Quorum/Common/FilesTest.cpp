#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include <unistd.h>

#include "Quorum/Common/IO/BinaryChannelUtilities.h"
#include "Quorum/Common/IO/FileIBinaryChannel.h"
#include "Quorum/Common/IO/FileOBinaryChannel.h"
#include "Quorum/Common/IO/Files.h"
#include "Strata/IBinaryChannelUtilities.h"
#include "Strata/IOException.h"
#include "Strata/IllegalArgumentException.h"
#include "Strata/MemoryOBinaryChannel.h"
#include "Support/KernelCopyCalls.h"

using namespace Quorum::Common::IO;
using Bytes = std::vector<unsigned char>;

namespace {

// A fresh, empty folder per test process below QUORUM_TEST_TMPDIR (or the
// system's temporary folder), removed afterwards.
class Files : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* root = std::getenv("QUORUM_TEST_TMPDIR");
    folder_ = (root != nullptr && *root != '\0' ? std::filesystem::path(root)
                                                : std::filesystem::temp_directory_path()) /
              ("FilesTest-" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }
  Conduit::Location At(const char* name) const { return Conduit::Location(folder_ / name); }
  // A file of `size` bytes in the folder; returns its bytes.
  std::vector<unsigned char> Created(const char* name, std::size_t size);
  std::filesystem::path folder_;
};

// Writes `size` bytes that start at `seed` and returns them.
Bytes Write(FileOBinaryChannel& output, std::size_t size, unsigned char seed) {
  Bytes bytes(size);
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<unsigned char>(seed + i * 13);
  output.Write(bytes.data(), static_cast<unsigned int>(size));
  return bytes;
}

Bytes Files::Created(const char* name, std::size_t size) {
  FileOBinaryChannel output(At(name), false, FileShare::None);
  return Write(output, size, 7);
}

// Runs `write`, which must fail on a closed channel writing `file`.
template <typename Write>
void ExpectClosed(const Conduit::Location& file, Write write) {
  try {
    write();
    ADD_FAILURE();
  } catch (const Strata::IOException& e) {
    EXPECT_EQ(e.GetMessage(),
              Strata::UniString::Format("Failed to write file '%T': channel is closed.",
                                        file.ToString()));
  }
}

Bytes ReadAll(const Conduit::Location& location) {
  FileIBinaryChannel input(location, FileShare::None);
  Bytes bytes(GetFileSize(location) + 1);  // one more, to see the end
  const auto size = static_cast<unsigned int>(bytes.size());
  bytes.resize(Strata::IBinaryChannelUtilities::ReadFully(input, bytes.data(), size));
  return bytes;
}

}  // namespace

TEST_F(Files, HoldExactlyTheBytesWrittenWhateverThePieceSizesOrAppended) {
  const Conduit::Location file = At("content.bin");
  Bytes expected;
  {
    FileOBinaryChannel output(file, false, FileShare::None);
    for (const std::size_t size : {10, 200000, 65535}) {
      const Bytes piece = Write(output, size, static_cast<unsigned char>(size));
      expected.insert(expected.end(), piece.begin(), piece.end());
    }
  }  // the destructor flushes and closes
  EXPECT_EQ(ReadAll(file), expected);
  FileOBinaryChannel output(file, false, FileShare::None);
  expected = Write(output, 3, 9);
  output.Close();
  output.Close();
  ExpectClosed(file, [&] { Write(output, 1, 0); });
  EXPECT_EQ(ReadAll(file), expected);
  FileOBinaryChannel appending(file, true, FileShare::ReadWrite);
  Write(appending, 2, 5);
  appending.Close();
  EXPECT_EQ(ReadAll(file), (Bytes{9, 22, 35, 5, 18}));

  // An input channel knows how many bytes of the file are left.
  FileIBinaryChannel input(file, FileShare::None);
  unsigned char two[2];
  EXPECT_EQ(input.GetAvailable(), 5u);
  EXPECT_EQ(input.Read(two, 2), 2u);
  EXPECT_EQ(input.GetAvailable(), 3u);
  input.Close();
  EXPECT_EQ(input.GetAvailable(), 0u);
}

TEST_F(Files, MissingFilesThrowIOExceptionNamingThem) {
  try {
    FileIBinaryChannel input(At("missing.bin"), FileShare::None);
    FAIL();
  } catch (const Strata::IOException& e) {
    EXPECT_NE(std::string(e.what()).find("missing.bin"), std::string::npos) << e.what();
    EXPECT_STREQ(e.GetSourceFile(), "Source/Quorum/Common/IO/FileIBinaryChannel.cpp");
  }
  EXPECT_FALSE(Exists(At("missing.bin")));
  EXPECT_TRUE(Exists(Conduit::Location(folder_)));
  EXPECT_THROW(GetFileSize(At("missing.bin")), Strata::IOException);
  EXPECT_THROW(FileOBinaryChannel(At("no-folder/file.bin"), false, FileShare::None),
               Strata::IOException);
}

// A device that takes no byte: the failure surfaces where bytes leave (a
// large write, or Close with bytes buffered) and leaves the channel closed.
TEST_F(Files, ReadAndWriteFailuresThrowIOException) {
  if (access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no writable /dev/full";
  const std::vector<unsigned char> bytes(70000, 1);
  {
    FileOBinaryChannel output("/dev/full", false, FileShare::None);
    EXPECT_THROW(output.Write(bytes.data(), 70000), Strata::IOException);
  }
  FileOBinaryChannel output("/dev/full", false, FileShare::None);
  output.Write(bytes.data(), 10);
  EXPECT_THROW(output.Close(), Strata::IOException);
  EXPECT_THROW(output.Write(bytes.data(), 1), Strata::IOException);
  output.Close();

  // A folder opens for reading but promises nothing and fails at its first read.
  unsigned char byte = 0;
  FileIBinaryChannel input(Conduit::Location(folder_), FileShare::None);
  EXPECT_EQ(input.GetAvailable(), 0u);
  EXPECT_EQ(input.Read(&byte, 0), 0u);
  EXPECT_THROW(input.Read(&byte, 1), Strata::IOException);
}

TEST_F(Files, CheckLocationRefusesUnusableLocationsOnBehalfOfItsCaller) {
  using Strata::UniString;
  const auto refusal = [](const Conduit::Location& location) {
    try {
      CheckLocation(location, "Caller.cpp", 12u);
    } catch (const Strata::IllegalArgumentException& e) {
      EXPECT_STREQ(e.GetSourceFile(), "Caller.cpp");
      EXPECT_EQ(e.GetSourceLine(), 12u);
      return e.GetMessage();
    }
    return UniString("accepted");
  };
  const Conduit::Location orphan = At("no-folder/file.bin");
  const Conduit::Location folder(folder_);
  EXPECT_EQ(refusal(Conduit::Location()), UniString("Invalid location: location is empty."));
  EXPECT_EQ(refusal(orphan),
            UniString::Format("Invalid location: '%T': folder does not exist.", orphan.ToString()));
  EXPECT_EQ(refusal(folder),
            UniString::Format("Invalid location: '%T' is a folder.", folder.ToString()));
  EXPECT_EQ(refusal(At("not-yet.bin")), UniString("accepted"));
  EXPECT_EQ(refusal(Conduit::Location("relative.bin")), UniString("accepted"));
}

// Each way gives the same bytes and leaves both channels where the bytes
// copied put them: the input after the last byte read, the output after its
// buffered bytes and the copy.
TEST_F(Files, CopiesBetweenFilesInTheKernelWhereTheSystemAllowsWithTheSameBytesEveryWay) {
  using KernelCopyCalls::Script;
  const Conduit::Location source = At("source.bin");
  const Bytes bytes = Created("source.bin", 300000);
  struct Case {
    const char* way;
    Script script;
    long long copyFileRangeBytes, sendfileBytes;
  };
  const Case cases[] = {
      {"copy_file_range", {}, 200000, 0},
      {"copy_file_range, then sendfile once it is refused",
       {.copyFileRangeError = EXDEV, .failAfter = 1, .piece = 50000},
       50000,
       150000},
      {"sendfile", {.copyFileRangeError = ENOSYS}, 0, 200000},
      {"buffer", {.copyFileRangeError = EOPNOTSUPP, .sendfileError = EINVAL}, 0, 0},
      {"copy_file_range, interrupted once",
       {.copyFileRangeError = EINTR, .failCount = 1},
       200000,
       0},
      {"buffer, where both fail", {.copyFileRangeError = EIO, .sendfileError = EIO}, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.way);
    KernelCopyCalls::Scope scope(c.script);
    FileIBinaryChannel input(source, FileShare::None);
    unsigned char skipped[1000];
    ASSERT_EQ(Strata::IBinaryChannelUtilities::ReadFully(input, skipped, 1000), 1000u);
    const Conduit::Location target = At("target.bin");
    FileOBinaryChannel output(target, false, FileShare::None);
    const Bytes before = Write(output, 10, 1);
    EXPECT_EQ(BinaryChannelUtilities::Copy(input, output, 200000), 200000u);
    Bytes next(10);
    EXPECT_EQ(Strata::IBinaryChannelUtilities::ReadFully(input, next.data(), 10), 10u);
    EXPECT_EQ(next, Bytes(bytes.begin() + 201000, bytes.begin() + 201010));
    Bytes expected = before;
    expected.insert(expected.end(), bytes.begin() + 1000, bytes.begin() + 201000);
    expected.push_back(Write(output, 1, 2)[0]);
    output.Close();
    EXPECT_EQ(ReadAll(target), expected);
    EXPECT_EQ(KernelCopyCalls::script.copyFileRangeBytes, c.copyFileRangeBytes);
    EXPECT_EQ(KernelCopyCalls::script.sendfileBytes, c.sendfileBytes);

    // A count past the input's end copies what is left, every way.
    FileIBinaryChannel again(source, FileShare::None);
    FileOBinaryChannel whole(target, false, FileShare::None);
    EXPECT_EQ(BinaryChannelUtilities::Copy(again, whole, std::uint64_t{1} << 33), 300000u);
    whole.Close();
    EXPECT_EQ(ReadAll(target), bytes);
  }
}

TEST_F(Files, SmallCopiesAndChannelsOnOtherThanFilesGoThroughTheBuffer) {
  const Conduit::Location source = At("source.bin");
  const Bytes bytes = Created("source.bin", 100000);
  KernelCopyCalls::Scope scope;
  {
    FileIBinaryChannel input(source, FileShare::None);
    FileOBinaryChannel output(At("small.bin"), false, FileShare::None);
    EXPECT_EQ(BinaryChannelUtilities::Copy(input, output, 65535), 65535u);
  }
  EXPECT_EQ(ReadAll(At("small.bin")), Bytes(bytes.begin(), bytes.begin() + 65535));
  FileIBinaryChannel input(source, FileShare::None);
  Strata::MemoryOBinaryChannel memory;
  EXPECT_EQ(BinaryChannelUtilities::Copy(input, memory, 70000), 70000u);
  EXPECT_EQ(Bytes(memory.GetBuffer(), memory.GetBuffer() + memory.GetSize()),
            Bytes(bytes.begin(), bytes.begin() + 70000));
  FileOBinaryChannel device("/dev/null", false, FileShare::None);
  EXPECT_EQ(BinaryChannelUtilities::Copy(input, device, 100000), 30000u);
  EXPECT_EQ(KernelCopyCalls::script.copyFileRange + KernelCopyCalls::script.sendfile, 0);

  // A closed output fails as it does for the buffered copy.
  FileIBinaryChannel from(source, FileShare::None);
  const Conduit::Location target = At("closed.bin");
  FileOBinaryChannel closed(target, false, FileShare::None);
  closed.Close();
  ExpectClosed(target, [&] { BinaryChannelUtilities::Copy(from, closed, 100000); });
}
