#include "Quorum/Server/Mail/BodyPart.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "ContentTestSupport.h"
#include "Quorum/Common/IO/FileIBinaryChannel.h"
#include "Quorum/Common/IO/FileOBinaryChannel.h"
#include "Quorum/Server/Mail/BodyPartException.h"
#include "Quorum/Server/Mail/Contents/FileContent.h"
#include "Quorum/Server/Mail/Contents/TextContent.h"
#include "Strata/IChannelX.h"
#include "Strata/IllegalArgumentException.h"
#include "Strata/OChannelX.h"

using namespace ContentTestSupport;
using Conduit::Location;
using Quorum::Common::IO::FileShare;
using Quorum::Server::Mail::BodyPart;
using Quorum::Server::Mail::BodyPartContent;
using Quorum::Server::Mail::BodyPartException;
using Quorum::Server::Mail::Disposition;
using Quorum::Server::Mail::Header;
using Quorum::Server::Mail::Headers;
using Quorum::Server::Mail::Contents::FileContent;
using Quorum::Server::Mail::Contents::MemoryContent;
using Quorum::Server::Mail::Contents::TextContent;

namespace {

Strata::UniString HeaderValue(const BodyPart& part, const char* name) {
  Header header;
  return part.GetHeader(name, header) ? header.GetValue() : Strata::UniString("<absent>");
}

Strata::UniString LastHeaderName(const BodyPart& part) {
  Strata::UniString last;
  for (const Header& header : part.EnumerateHeaders()) last = header.GetName();
  return last;
}

BodyPart ReadBack(const Bytes& bytes) {
  BodyPart part;
  ReadFrom(bytes, part);
  return part;
}

Headers HeadersOf(std::initializer_list<std::pair<const char*, const char*>> entries) {
  Headers headers;
  for (const auto& [name, value] : entries) headers.Set(name, value);
  return headers;
}

}  // namespace

TEST(BodyPart, NewPartReadsDefaultsAndEmptyNamesAreRefused) {
  BodyPart part("att.pdf");
  EXPECT_TRUE(part.IsValid());
  EXPECT_EQ(part.GetHeaderCount(), 0u);
  EXPECT_EQ(part.GetContentType(), "");
  EXPECT_EQ(part.GetContentSize(), 0u);
  EXPECT_EQ(part.GetDisposition(), Disposition::Inline);
  EXPECT_EQ(part.GetFileName(), "");

  const std::string message("Invalid body part name: name is empty.");
  EXPECT_EQ(MessageOf<Strata::IllegalArgumentException>([] { BodyPart bad(""); }), message);
  EXPECT_EQ(MessageOf<Strata::IllegalArgumentException>([] { BodyPart bad("", Headers(), {}); }),
            message);
  BodyPart unnamed;
  EXPECT_EQ(MessageOf<Strata::IllegalArgumentException>(
                [&] { std::unique_ptr<BodyPart> clone(unnamed.Clone()); }),
            message);
  EXPECT_NO_THROW(BodyPart{unnamed});
}

TEST(BodyPart, ContentSizeHeaderFollowsThePresentContent) {
  BodyPart part("p", HeadersOf({{"Content-Size", "9"}, {"X-A", "a"}}), MakeMemory(Pattern(1234)));
  EXPECT_EQ(HeaderValue(part, "Content-Size"), "1234");
  EXPECT_EQ(LastHeaderName(part), "Content-Size");
  EXPECT_EQ(part.GetContentSize(), 1234u);

  part.SetHeader("content-size", "5");
  EXPECT_EQ(HeaderValue(part, "Content-Size"), "1234");
  part.SetHeader(Header("X-B", "b"));
  part.SetHeader(Header("CONTENT-SIZE", "6"));
  EXPECT_EQ(LastHeaderName(part), "Content-Size");
  EXPECT_TRUE(part.RemoveHeader("Content-Size"));
  EXPECT_EQ(HeaderValue(part, "Content-Size"), "1234");
  EXPECT_FALSE(part.RemoveHeader(Header("Content-Size", "1")));
  EXPECT_TRUE(part.RemoveHeader(Header("Content-Size", "1234")));
  EXPECT_EQ(HeaderValue(part, "Content-Size"), "1234");

  part.SetHeaders(HeadersOf({{"X-C", "c"}}));
  EXPECT_EQ(HeaderValue(part, "Content-Size"), "<absent>");
  EXPECT_EQ(part.GetContentSize(), 1234u);
  part.SetHeaders(HeadersOf({{"Content-Size", "7"}, {"X-C", "c"}}));
  EXPECT_EQ(HeaderValue(part, "Content-Size"), "1234");
  part.ClearHeaders();
  EXPECT_EQ(part.GetHeaderCount(), 1u);
  EXPECT_EQ(HeaderValue(part, "Content-Size"), "1234");

  part.SetContent(MakeMemory(Pattern(10)));
  EXPECT_EQ(HeaderValue(part, "Content-Size"), "10");
  part.SetContent({});
  EXPECT_EQ(HeaderValue(part, "Content-Size"), "<absent>");
  EXPECT_EQ(part.GetContentSize(), 0u);
}

TEST(BodyPart, ReadKeepsADisagreeingSizeHeaderWhichCloneRefreshesAndCopyKeeps) {
  BodyPart source("p", Headers(), MakeMemory(Of("abc")));
  Bytes bytes = BytesOf(source);
  // Turn the header value "3" into "9" without touching the content section.
  const auto three = std::find(bytes.begin() + 20, bytes.end(), 0x33);
  ASSERT_NE(three, bytes.end());
  *three = 0x39;

  BodyPart read = ReadBack(bytes);
  EXPECT_EQ(HeaderValue(read, "Content-Size"), "9");
  EXPECT_EQ(read.GetContentSize(), 3u);
  read.SetContent(read.GetContent());
  EXPECT_EQ(HeaderValue(read, "Content-Size"), "9");
  EXPECT_EQ(HeaderValue(BodyPart(read), "Content-Size"), "9");
  std::unique_ptr<BodyPart> clone(read.Clone());
  EXPECT_EQ(HeaderValue(*clone, "Content-Size"), "3");
}

TEST(BodyPart, SizeHeaderWithoutContentIsParsedAndRefusedUntilChanged) {
  BodyPart part("p");
  part.SetHeader("content-size", "42");
  EXPECT_EQ(part.GetContentSize(), 42u);
  part.SetHeader("Content-Size", "4x");
  for (int attempt = 0; attempt < 2; ++attempt) {
    EXPECT_EQ(MessageOf<BodyPartException>([&] { part.GetContentSize(); }),
              "Failed to parse header: 'Content-Size': value: '4x'.");
  }
  part.SetHeader("Content-Size", "");
  EXPECT_EQ(MessageOf<BodyPartException>([&] { part.GetContentSize(); }),
            "Failed to parse header: 'Content-Size': value is empty.");
  part.RemoveHeader("Content-Size");
  EXPECT_EQ(part.GetContentSize(), 0u);
}

TEST(BodyPart, TypedReadingsFollowOnlyTheirOwnHeader) {
  BodyPart part("p");
  part.SetHeader("Content-Type", "text/plain");
  EXPECT_EQ(part.GetContentType(), "text/plain");
  part.SetHeader("CONTENT-TYPE", "image/png");
  EXPECT_EQ(part.GetContentType(), "image/png");
  part.SetHeader("Content-Disposition", "sideways");
  EXPECT_EQ(MessageOf<BodyPartException>([&] { part.GetFileName(); }),
            "Failed to parse header: 'Content-Disposition': value: 'sideways'.");
  part.SetHeader("Content-Disposition", "attachment;filename=\"a.txt\"");
  EXPECT_EQ(part.GetDisposition(), Disposition::Attachment);
  EXPECT_EQ(part.GetFileName(), "a.txt");
}

TEST(BodyPart, TypedSettersCompareWithTheCachedValue) {
  BodyPart part("p");
  part.SetFileName("report.pdf");
  EXPECT_EQ(HeaderValue(part, "Content-Disposition"), "inline");
  EXPECT_EQ(part.GetFileName(), "");
  part.SetDisposition(Disposition::Attachment);
  part.SetFileName("report.pdf");
  EXPECT_EQ(HeaderValue(part, "Content-Disposition"), "attachment;filename=\"report.pdf\"");

  part.SetHeader("Content-Type", "text/plain");
  EXPECT_EQ(part.GetContentType(), "text/plain");
  part.SetContentType("");
  EXPECT_EQ(HeaderValue(part, "Content-Type"), "<absent>");

  // Read from a channel, the cached type is still the initial empty text.
  BodyPart read;
  ReadFrom(BytesOf(BodyPart("r", HeadersOf({{"Content-Type", "text/plain"}}), {})), read);
  read.SetContentType("");
  EXPECT_EQ(HeaderValue(read, "Content-Type"), "text/plain");
}

TEST(BodyPart, CopiesCloneTheContentWhileTheConstructorShares) {
  const auto content = MakeMemory(Of("abc"));
  BodyPart part("p", Headers(), content);
  EXPECT_EQ(part.GetContent(), content);

  BodyPart copy(part);
  BodyPart assigned("other");
  assigned = part;
  for (BodyPart* other : {&copy, &assigned}) {
    EXPECT_FALSE(other->GetContent() == content);
    EXPECT_EQ(*other, part);
    WriteContent(*other->GetContent(), Of("changed"));
    EXPECT_EQ(ContentBytes(*content), Of("abc"));
  }
}

TEST(BodyPart, EqualityComparesNameHeadersAndContentBytes) {
  const Headers headers = HeadersOf({{"A", "1"}, {"B", "2"}});
  const BodyPart memory("p", headers, MakeMemory(Of("abc")));
  EXPECT_EQ(memory, BodyPart("p", HeadersOf({{"b", "2"}, {"a", "1"}}),
                             Strata::MakeRef<TextContent>("abc")));
  EXPECT_NE(memory, BodyPart("p", headers, {}));
  EXPECT_NE(BodyPart("p", headers, {}), memory);
  EXPECT_EQ(BodyPart("p", headers, {}), BodyPart("p", headers, {}));
  EXPECT_NE(memory, BodyPart("P", headers, MakeMemory(Of("abc"))));
  EXPECT_NE(memory, BodyPart("p", headers, MakeMemory(Of("abd"))));
}

TEST(BodyPart, ReadingBackLetsTheFactoryChooseTheContentKind) {
  struct Case {
    const char* contentType;
    bool text;
  };
  for (const Case& c : {Case{"text/plain", true}, Case{"image/png", false}}) {
    for (const Bytes& bytes : {Of("hello"), Bytes()}) {
      const BodyPart part("p", HeadersOf({{"Content-Type", c.contentType}}), MakeMemory(bytes));
      const BodyPart read = ReadBack(BytesOf(part));
      EXPECT_EQ(read, part);
      EXPECT_EQ(dynamic_cast<TextContent*>(read.GetContent().Get()) != nullptr, c.text);
      EXPECT_EQ(dynamic_cast<MemoryContent*>(read.GetContent().Get()) != nullptr, !c.text);
    }
  }
  EXPECT_TRUE(ReadBack(BytesOf(BodyPart("p"))).GetContent().IsNull());
}

TEST(BodyPart, ContentSectionIsFlagSizeAndRawBytes) {
  const Bytes withoutContent = BytesOf(BodyPart("p"));
  EXPECT_EQ(withoutContent.back(), 0);  // has content: false, nothing after

  const BodyPart part("p", Headers(), MakeMemory(Of("xyz")));
  const Bytes bytes = BytesOf(part);
  // The section ends the body part: flag, size, then the bytes themselves.
  const Bytes section(bytes.end() - 8, bytes.end());
  EXPECT_EQ(section, (Bytes{1, 0, 0, 0, 3, 'x', 'y', 'z'}));
}

TEST(BodyPart, ContentIsCopiedIn65536BytePieces) {
  auto scripted = Strata::MakeRef<ScriptedContent>(200000, Pattern(200000));
  BytesOf(BodyPart("p", Headers(), scripted));
  EXPECT_EQ(scripted->requests, (std::vector<unsigned int>{65536, 65536, 65536, 3392}));
  EXPECT_EQ(*scripted->closes, 1);

  for (unsigned int size : {65535u, 65536u, 65537u, 131072u, 131073u}) {
    const BodyPart part("p", Headers(), MakeMemory(Pattern(size)));
    const Bytes bytes = BytesOf(part);
    EXPECT_EQ(Bytes(bytes.end() - size, bytes.end()), Pattern(size));
    EXPECT_EQ(ReadBack(bytes), part) << size;
  }
}

TEST(BodyPart, ShortContentFailsToWriteAndTruncatedChannelsLeaveThePartUnchanged) {
  auto shortContent = Strata::MakeRef<ScriptedContent>(100, Pattern(60));
  EXPECT_EQ(
      MessageOf<Strata::IOException>([&] { BytesOf(BodyPart("p", Headers(), shortContent)); }),
      "Failed to write content.");
  EXPECT_EQ(*shortContent->closes, 1);

  const Bytes bytes = BytesOf(
      BodyPart("new", HeadersOf({{"Content-Type", "text/plain"}}), MakeMemory(Pattern(70000))));
  BodyPart part("old", HeadersOf({{"X", "1"}}), MakeMemory(Of("kept")));
  part.GetContentType();
  const BodyPart before(part);
  struct Cut {
    std::size_t kept;
    bool withinContentBytes;
  };
  const std::size_t contentStart = bytes.size() - 70000;
  for (const Cut& cut : {Cut{bytes.size() - 1, true}, Cut{bytes.size() - 65536, true},
                         Cut{contentStart, true}, Cut{contentStart - 1, false}, Cut{5, false}}) {
    SCOPED_TRACE(cut.kept);
    const Bytes truncated(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(cut.kept));
    try {
      ReadFrom(truncated, part);
      ADD_FAILURE() << "Read did not throw";
    } catch (const Strata::IOException& e) {
      EXPECT_EQ(e.GetMessage() == "Failed to read content.", cut.withinContentBytes);
      EXPECT_EQ(e.GetErrorCode() == -7003, cut.withinContentBytes);
    }
    EXPECT_EQ(part, before);
    EXPECT_EQ(part.GetContentType(), "");
  }
}

TEST(BodyPart, FileContentStreamsToAFileChannelAndComesBackInMemory) {
  TemporaryFolder folder;
  WriteFile(folder / "in", Pattern(3 * 1024 * 1024 + 17));
  const BodyPart part("p", Headers(), Strata::MakeRef<FileContent>(Location(folder / "in")));
  Quorum::Common::IO::FileOBinaryChannel out(Location(folder / "out"), false, FileShare::None);
  Strata::OChannelX writer(out);
  part.Write(writer);
  out.Close();

  Quorum::Common::IO::FileIBinaryChannel in(Location(folder / "out"), FileShare::None);
  Strata::IChannelX reader(in);
  BodyPart read;
  read.Read(reader);
  EXPECT_NE(dynamic_cast<MemoryContent*>(read.GetContent().Get()), nullptr);
  EXPECT_EQ(read, part);
}

TEST(BodyPart, FileOf4GiBOrMoreIsRefusedRatherThanTruncated) {
  TemporaryFolder folder;
  const auto path = folder / "huge";
  WriteFile(path, Of("small"));
  auto content = Strata::MakeRef<FileContent>(Location(path));
  BodyPart part("p", Headers(), content);
  std::filesystem::resize_file(path, 0x100000000ull);
  EXPECT_THROW(BytesOf(part), Strata::IOException);

  BodyPart other("q");
  EXPECT_THROW(other.SetContent(Strata::MakeRef<FileContent>(Location(path))), Strata::IOException);
  EXPECT_TRUE(other.GetContent().IsNull());
  EXPECT_EQ(other.GetHeaderCount(), 0u);
}
