#include "Quorum/Server/Mail/Contents/FileContent.h"

#include "../ContentTestSupport.h"

using namespace ContentTestSupport;
using Conduit::Location;

TEST(FileContent, ReadsAndReplacesTheFileWhichMayBeMissing) {
  TemporaryFolder folder;
  FileContent content(Location(folder / "data"));
  EXPECT_TRUE(ContentBytes(content).empty());
  WriteFile(folder / "data", Pattern(70000));
  EXPECT_EQ(ContentBytes(content), Pattern(70000));
  // A clone names the same file.
  std::unique_ptr<BodyPartContent> clone(content.Clone());
  WriteContent(*clone, Of("abc"));
  EXPECT_EQ(ContentBytes(content), Of("abc"));
}

TEST(FileContent, FileOf4GiBOrMoreIsRefusedRatherThanTruncated) {
  TemporaryFolder folder;
  const auto path = folder / "sparse";
  WriteFile(path, {});
  std::filesystem::resize_file(path, 0xFFFFFFFFull);
  const auto content = Strata::MakeRef<FileContent>(Location(path));
  EXPECT_EQ(content->GetSize(), 0xFFFFFFFFu);
  const BodyPart holder("p", Headers(), content);
  std::filesystem::resize_file(path, 0x100000000ull);
  EXPECT_NE(MessageOf<Strata::IOException>([&] { content->GetSize(); }).find(path.string()),
            std::string::npos);
  BodyPart part("p");
  EXPECT_THROW(part.SetContent(content), Strata::IOException);
  EXPECT_TRUE(part.GetContent().IsNull() && part.GetHeaderCount() == 0);
  // A part that took the file while it was smaller writes nothing at all.
  const Bytes written = WrittenBy([&](Strata::OChannelX& channel) {
    EXPECT_THROW(holder.Write(channel), Strata::IOException);
  });
  EXPECT_TRUE(written.empty());
  // Equal locations are equal without sizing or reading the file.
  EXPECT_TRUE(content->Equals(FileContent(Location(path))));
}
