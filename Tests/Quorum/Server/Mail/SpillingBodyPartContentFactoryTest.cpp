#include "Quorum/Server/Mail/SpillingBodyPartContentFactory.h"

#include <iterator>

#include "ContentTestSupport.h"
#include "Quorum/Common/IO/FileIBinaryChannel.h"
#include "Quorum/Common/IO/FileOBinaryChannel.h"
#include "Quorum/Common/Support/KernelCopyCalls.h"
#include "Quorum/Server/Mail/BodyPartContentException.h"
#include "Quorum/Server/Mail/Contents/ContentText.h"
#include "Quorum/Server/Mail/Contents/TemporaryFileContent.h"
#include "Quorum/Server/Mail/Mail.h"

namespace {

using namespace ContentTestSupport;
using Conduit::Location;
using Quorum::Common::IO::FileShare;

TEST(SpillingBodyPartContentFactory, SpillsAboveTheThresholdAndOtherwiseMakesWhatTheDefaultMakes) {
  TemporaryFolder folder;
  SpillingBodyPartContentFactory factory(Location(folder.path), 100);
  EXPECT_EQ(SpillingBodyPartContentFactory(Location(folder.path)).GetThreshold(), 4u << 20);
  const Headers text = HeadersOf({{"Content-Type", "text/plain; charset=latin1"}});
  const Headers image = HeadersOf({{"Content-Type", "image/png"}});
  const auto kind = [](const Strata::Ref<BodyPartContent>& content) -> std::string {
    if (dynamic_cast<TemporaryFileContent*>(content.Get()) != nullptr) return "file";
    if (const auto* t = dynamic_cast<TextContent*>(content.Get())) {
      return "text " + t->GetCharset().ToUtf8();
    }
    return dynamic_cast<MemoryContent*>(content.Get()) != nullptr ? "memory" : "?";
  };
  EXPECT_EQ(kind(factory.CreateForSize(text, 100)), "text latin1");
  EXPECT_EQ(kind(factory.CreateForSize(text, 101)), "file");
  EXPECT_EQ(kind(factory.CreateForSize(image, 0)), "memory");
  EXPECT_EQ(kind(factory.CreateForSize(image, 0xFFFFFFFFu)), "file");
  EXPECT_EQ(kind(factory.Create(text)), "text latin1");
  EXPECT_EQ(kind(factory.Create(image)), "memory");
  // Copies and moves keep the folder and the threshold.
  SpillingBodyPartContentFactory copy(factory);
  SpillingBodyPartContentFactory moved(std::move(copy));
  EXPECT_EQ(kind(moved.CreateForSize(image, 101)), "file");
  EXPECT_EQ(OpenFilesIn(folder), 0);  // the spilt content went with its reference
}

TEST(SpillingBodyPartContentFactory, RefusesAtOnceAFolderThatTakesNoFile) {
  TemporaryFolder folder;
  const Location missing(folder / "missing");
  EXPECT_EQ(MessageOf<Strata::IOException>([&] { SpillingBodyPartContentFactory f(missing); }),
            "Failed to create a temporary file in folder '" + missing.ToString().ToUtf8() +
                "': No such file or directory.");
}

// A mail with a small text part, a large attachment and a large Latin-1 text
// part, written to a file.
struct LargeMail {
  explicit LargeMail(const TemporaryFolder& folder) : file(folder / "mail.bin") {
    mail.GetBodyParts().Add(Strata::MakeRef<BodyPart>(
        "note", HeadersOf({{"Content-Type", "text/plain"}}), MakeMemory(Of("hi"))));
    mail.GetBodyParts().Add(
        Strata::MakeRef<BodyPart>("data", HeadersOf({{"Content-Type", "application/octet-stream"}}),
                                  MakeMemory(Pattern(300000))));
    Bytes latin1(150, 'a');
    latin1.back() = 0xE9;
    mail.GetBodyParts().Add(Strata::MakeRef<BodyPart>(
        "text", HeadersOf({{"Content-Type", "text/plain; charset=\"iso-8859-1\""}}),
        MakeMemory(latin1)));
    bytes = BytesOf(mail);
    WriteFile(file, bytes);
  }
  Mail mail{MailId("m")};
  std::filesystem::path file;
  Bytes bytes;
};

TEST(SpillingBodyPartContentFactory, AMailReadThroughItKeepsLargeContentsInFiles) {
  TemporaryFolder folder, spill;
  const LargeMail large(folder);
  SpillingBodyPartContentFactory factory(Location(spill.path), 100);
  Mail read;
  {
    KernelCopyCalls::Scope calls;
    Quorum::Common::IO::FileIBinaryChannel input(Location(large.file), FileShare::None);
    Strata::IChannelX channel(input);
    read.Read(channel, factory);
    // The attachment went from file to file in the kernel.
    EXPECT_EQ(KernelCopyCalls::script.copyFileRangeBytes, 300000);
  }
  EXPECT_EQ(read, large.mail);
  EXPECT_EQ(OpenFilesIn(spill), 2);
  EXPECT_TRUE(std::filesystem::is_empty(spill.path));
  BodyParts& parts = read.GetBodyParts();
  EXPECT_NE(dynamic_cast<TextContent*>(parts.Get("note")->GetContent().Get()), nullptr);
  EXPECT_NE(dynamic_cast<TemporaryFileContent*>(parts.Get("data")->GetContent().Get()), nullptr);
  const BodyPart& text = *parts.Get("text");
  ASSERT_NE(dynamic_cast<TemporaryFileContent*>(text.GetContent().Get()), nullptr);

  // A text part left in a file is decoded on request, within a limit.
  EXPECT_EQ(ReadText(text, 150), Strata::UniString(std::u16string(149, u'a') + u"\u00E9"));
  EXPECT_EQ(ReadText(*text.GetContent(), "", 150).GetUnits().back(), u'\uFFFD');
  EXPECT_EQ(MessageOf<BodyPartContentException>([&] { ReadText(text, 149); }),
            "Failed to read text: content holds 150 bytes, more than 149.");
  EXPECT_TRUE(ReadText(BodyPart("empty"), 0).IsEmpty());
  EXPECT_EQ(ReadText(*parts.Get("note"), 2), "hi");

  // Written again, file to file, it gives the same bytes.
  {
    Quorum::Common::IO::FileOBinaryChannel output(Location(folder / "again.bin"), false,
                                                  FileShare::None);
    Strata::OChannelX channel(output);
    read.Write(channel);
  }
  std::ifstream again(folder / "again.bin", std::ios::binary);
  EXPECT_EQ(Bytes(std::istreambuf_iterator<char>(again), {}), large.bytes);
  EXPECT_EQ(BytesOf(read), large.bytes);
  read = Mail();
  EXPECT_EQ(OpenFilesIn(spill), 0);
}

TEST(SpillingBodyPartContentFactory, AFailedReadLeavesNoFileAndTheTargetAsItWas) {
  TemporaryFolder folder, spill;
  const LargeMail large(folder);
  SpillingBodyPartContentFactory factory(Location(spill.path), 100);
  const Mail target(MailId("kept"));
  for (const std::size_t cut : {large.bytes.size() - 5, large.bytes.size() - 200, std::size_t{400},
                                large.bytes.size() / 2}) {
    Mail read = target;
    const Bytes truncated(large.bytes.begin(),
                          large.bytes.begin() + static_cast<std::ptrdiff_t>(cut));
    Strata::MemoryIBinaryChannel memory(truncated.data(),
                                        static_cast<unsigned int>(truncated.size()));
    Strata::IChannelX channel(memory);
    EXPECT_THROW(read.Read(channel, factory), Strata::IOException) << cut;
    EXPECT_EQ(read, target) << cut;
    EXPECT_EQ(OpenFilesIn(spill), 0) << cut;
  }
  EXPECT_TRUE(std::filesystem::is_empty(spill.path));
}

}  // namespace
