#include "Quorum/Server/Mail/Contents/FileContent.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "../ContentTestSupport.h"

using namespace ContentTestSupport;
using Conduit::Location;
using Quorum::Server::Mail::Contents::FileContent;

TEST(FileContent, MissingFileIsAnEmptyContent) {
  TemporaryFolder folder;
  FileContent content(Location(folder / "missing"));
  EXPECT_EQ(content.GetSize(), 0u);
  EXPECT_TRUE(ContentBytes(content).empty());
  EXPECT_TRUE(content.Equals(*MakeMemory({})));
}

TEST(FileContent, ReadsAndReplacesTheFile) {
  TemporaryFolder folder;
  WriteFile(folder / "data", Pattern(70000));
  FileContent content(Location(folder / "data"));
  EXPECT_EQ(content.GetSize(), 70000u);
  EXPECT_EQ(ContentBytes(content), Pattern(70000));

  WriteContent(content, Of("abc"));
  EXPECT_EQ(content.GetSize(), 3u);
  EXPECT_EQ(ContentBytes(content), Of("abc"));
}

TEST(FileContent, ClonesAndCopiesNameTheSameFile) {
  TemporaryFolder folder;
  FileContent content(Location(folder / "shared"));
  std::unique_ptr<Quorum::Server::Mail::BodyPartContent> clone(content.Clone());
  WriteContent(*clone, Of("through the clone"));
  EXPECT_EQ(ContentBytes(content), Of("through the clone"));
  FileContent copy(content);
  EXPECT_EQ(ContentBytes(copy), Of("through the clone"));
}

TEST(FileContent, ComparesLocationsFirstThenBytes) {
  TemporaryFolder folder;
  WriteFile(folder / "a", Pattern(5000));
  WriteFile(folder / "b", Pattern(5000));
  WriteFile(folder / "c", Pattern(5000, 1));
  FileContent a(Location(folder / "a"));
  EXPECT_TRUE(a.Equals(FileContent(Location(folder / "b"))));
  EXPECT_FALSE(a.Equals(FileContent(Location(folder / "c"))));

  // A file too large to size is equal to itself by location alone.
  std::filesystem::resize_file(folder / "a", 5ull << 30);
  EXPECT_TRUE(a.Equals(FileContent(Location(folder / "a"))));
}

TEST(FileContent, FileOf4GiBOrMoreCannotBeSized) {
  TemporaryFolder folder;
  const auto path = folder / "sparse";
  WriteFile(path, {});
  std::filesystem::resize_file(path, 0xFFFFFFFFull);
  FileContent content{Location(path)};
  EXPECT_EQ(content.GetSize(), 0xFFFFFFFFu);

  std::filesystem::resize_file(path, 0x100000000ull);
  try {
    content.GetSize();
    FAIL() << "GetSize did not throw";
  } catch (const Strata::IOException& e) {
    EXPECT_NE(std::string(e.what()).find(path.string()), std::string::npos) << e.what();
  }
}
