#include "Quorum/Server/Mail/Contents/TemporaryFileContent.h"

#include <sys/stat.h>
#include <unistd.h>

#include "../ContentTestSupport.h"
#include "Quorum/Common/Support/KernelCopyCalls.h"

using namespace ContentTestSupport;
using Conduit::Location;

TEST(TemporaryFileContent, RoundTripsItsBytesAndEqualsOtherKindsHoldingThem) {
  TemporaryFolder folder;
  TemporaryFileContent content{Location(folder.path)};
  EXPECT_TRUE(ContentBytes(content).empty());
  const Bytes bytes = Pattern(200000);
  WriteContent(content, bytes);
  EXPECT_EQ(content.GetSize(), 200000u);
  EXPECT_EQ(ContentBytes(content), bytes);
  EXPECT_TRUE(content.Equals(*MakeMemory(bytes)));
  EXPECT_TRUE(MakeMemory(bytes)->Equals(content));
  EXPECT_FALSE(content.Equals(*MakeMemory(Pattern(199999))));
  // No file of it can be seen in the folder.
  EXPECT_TRUE(std::filesystem::is_empty(folder.path));

  // Input channels read side by side, each from its own position.
  const Strata::Ref<Strata::IBinaryChannel> first = content.GetInputChannel();
  const Strata::Ref<Strata::IBinaryChannel> second = content.GetInputChannel();
  Bytes a(100), b(70000);
  EXPECT_EQ(first->Read(a.data(), 100), 100u);
  EXPECT_EQ(Strata::IBinaryChannelUtilities::ReadFully(*second, b.data(), 70000), 70000u);
  EXPECT_EQ(first->GetAvailable(), 199900u);
  EXPECT_EQ(first->Read(a.data(), 100), 100u);
  EXPECT_EQ(a, Bytes(bytes.begin() + 100, bytes.begin() + 200));
  EXPECT_EQ(b, Bytes(bytes.begin(), bytes.begin() + 70000));
}

TEST(TemporaryFileContent, AnOutputChannelReplacesTheBytesOnItsFirstCloseOnly) {
  TemporaryFolder folder;
  TemporaryFileContent content{Location(folder.path)};
  WriteContent(content, Of("old"));
  const Strata::Ref<Strata::IBinaryChannel> reading = content.GetInputChannel();
  {
    const Strata::Ref<Strata::OBinaryChannel> dropped = content.GetOutputChannel();
    dropped->Write(Pattern(10).data(), 10);
  }
  EXPECT_EQ(ContentBytes(content), Of("old"));
  const Strata::Ref<Strata::OBinaryChannel> output = content.GetOutputChannel();
  output->Write(Of("new bytes").data(), 9);
  EXPECT_EQ(ContentBytes(content), Of("old"));
  output->Close();
  output->Close();
  EXPECT_EQ(ContentBytes(content), Of("new bytes"));
  // A channel opened before reads the bytes it was opened on.
  Bytes old(10);
  EXPECT_EQ(Strata::IBinaryChannelUtilities::ReadFully(*reading, old.data(), 10), 3u);
  EXPECT_EQ(Bytes(old.begin(), old.begin() + 3), Of("old"));
  EXPECT_THROW(output->Write(Of("x").data(), 1), Strata::IOException);
}

TEST(TemporaryFileContent, TheFileGoesWithTheLastContentOrChannelHoldingIt) {
  TemporaryFolder folder;
  Strata::Ref<Strata::IBinaryChannel> reading;
  {
    TemporaryFileContent content{Location(folder.path)};
    WriteContent(content, Pattern(1000));
    EXPECT_EQ(OpenFilesIn(folder), 1);
    const Strata::Ref<Strata::OBinaryChannel> output = content.GetOutputChannel();
    EXPECT_EQ(OpenFilesIn(folder), 3);  // the new file, and the channel writing it
    reading = content.GetInputChannel();
  }
  EXPECT_EQ(OpenFilesIn(folder), 1);
  Bytes bytes(1000);
  EXPECT_EQ(Strata::IBinaryChannelUtilities::ReadFully(*reading, bytes.data(), 1000), 1000u);
  EXPECT_EQ(bytes, Pattern(1000));
  reading.Release();
  EXPECT_EQ(OpenFilesIn(folder), 0);
  EXPECT_TRUE(std::filesystem::is_empty(folder.path));
}

TEST(TemporaryFileContent, ACloneHasAFileOfItsOwnFilledInTheKernel) {
  TemporaryFolder folder;
  TemporaryFileContent content{Location(folder.path)};
  WriteContent(content, Pattern(300000));
  KernelCopyCalls::Scope calls;
  std::unique_ptr<BodyPartContent> clone(content.Clone());
  EXPECT_EQ(KernelCopyCalls::script.copyFileRangeBytes, 300000);
  EXPECT_EQ(dynamic_cast<TemporaryFileContent&>(*clone).GetFolder(), Location(folder.path));
  EXPECT_EQ(ContentBytes(*clone), Pattern(300000));
  EXPECT_TRUE(clone->Equals(content));
  WriteContent(*clone, Of("changed"));
  EXPECT_EQ(ContentBytes(content), Pattern(300000));
  EXPECT_FALSE(clone->Equals(content));
  // And through the buffer where the system refuses.
  KernelCopyCalls::Scope refused({.copyFileRangeError = EXDEV, .sendfileError = EINVAL});
  clone.reset(content.Clone());
  EXPECT_EQ(ContentBytes(*clone), Pattern(300000));
  EXPECT_EQ(OpenFilesIn(folder), 2);
}

TEST(TemporaryFileContent, WithoutUnnamedFilesTheFileIsNamedAndRemovedAtOnce) {
  TemporaryFolder folder;
  KernelCopyCalls::Scope refused({.openUnnamedError = EOPNOTSUPP});
  TemporaryFileContent content{Location(folder.path)};
  EXPECT_EQ(KernelCopyCalls::script.openUnnamed, 1);  // tried first
  EXPECT_TRUE(std::filesystem::is_empty(folder.path));
  WriteContent(content, Pattern(100000));
  std::unique_ptr<BodyPartContent> clone(content.Clone());
  EXPECT_EQ(ContentBytes(content), Pattern(100000));
  EXPECT_TRUE(clone->Equals(content));
  EXPECT_TRUE(std::filesystem::is_empty(folder.path));
  EXPECT_EQ(OpenFilesIn(folder), 2);
  clone.reset();
  EXPECT_EQ(OpenFilesIn(folder), 1);
}

TEST(TemporaryFileContent, AFolderThatTakesNoFileIsNamedInTheException) {
  TemporaryFolder folder;
  const auto refusal = [](const Location& location) {
    return MessageOf<Strata::IOException>([&] { TemporaryFileContent content(location); });
  };
  const Location missing(folder / "missing");
  EXPECT_EQ(refusal(missing), "Failed to create a temporary file in folder '" +
                                  missing.ToString().ToUtf8() + "': No such file or directory.");
  WriteFile(folder / "file", Of("x"));
  EXPECT_NE(refusal(Location(folder / "file")).find("Not a directory"), std::string::npos);
  EXPECT_EQ(
      MessageOf<Strata::IllegalArgumentException>([] { TemporaryFileContent content{Location()}; }),
      "Invalid location: location is empty.");
  if (::geteuid() != 0) {  // permissions do not hold back the superuser
    const Location locked(folder / "locked");
    std::filesystem::create_directory(locked.GetPath());
    ::chmod(locked.GetPath().c_str(), S_IRUSR | S_IXUSR);
    EXPECT_EQ(refusal(locked), "Failed to create a temporary file in folder '" +
                                   locked.ToString().ToUtf8() + "': Permission denied.");
    ::chmod(locked.GetPath().c_str(), S_IRWXU);
  }
  // Nor can an output channel make its file once the folder is gone.
  const Location gone(folder / "gone");
  std::filesystem::create_directory(gone.GetPath());
  TemporaryFileContent content(gone);
  std::filesystem::remove(gone.GetPath());
  EXPECT_THROW(content.GetOutputChannel(), Strata::IOException);
  EXPECT_EQ(content.GetSize(), 0u);
}
