#include "Quorum/Server/Mail/BodyPart.h"

#include "ContentTestSupport.h"
#include "Quorum/Server/Mail/BodyPartException.h"
#include "Strata/IllegalArgumentException.h"

using namespace ContentTestSupport;

TEST(BodyPart, EmptyNamesAreRefused) {
  const std::string message("Invalid body part name: name is empty.");
  EXPECT_EQ(MessageOf<Strata::IllegalArgumentException>([] { BodyPart(""); }), message);
  EXPECT_EQ(MessageOf<Strata::IllegalArgumentException>([] { delete BodyPart().Clone(); }),
            message);
}

TEST(BodyPart, ContentSizeHeaderFollowsAPresentContentAndIsParsedWithoutOne) {
  const Headers sized = HeadersOf({{"Content-Size", "9"}, {"X", "x"}});
  const Headers plain = HeadersOf({{"X", "x"}});
  BodyPart part("p", sized, MakeMemory(Pattern(1234)));
  const std::string kept = "X=x Content-Size=1234";
  const std::pair<std::function<void()>, std::string> changes[] = {
      {[] {}, kept},
      {[&] { part.SetHeader("content-size", "5"); }, kept},
      {[&] { part.SetHeader(Header("CONTENT-SIZE", "6")); }, kept},
      {[&] { EXPECT_TRUE(part.RemoveHeader("Content-Size")); }, kept},
      {[&] { EXPECT_TRUE(part.RemoveHeader(Header("Content-Size", "1234"))); }, kept},
      {[&] { part.SetHeaders(sized); }, kept},
      {[&] { part.ClearHeaders(); }, "Content-Size=1234"},
      {[&] { part.SetHeaders(plain); }, "X=x"},
      {[&] { part.SetContent(MakeMemory(Pattern(10))); }, "X=x Content-Size=10"},
      {[&] { part.SetContent({}); }, "X=x"},
  };
  for (const auto& [change, headers] : changes) {
    change();
    EXPECT_EQ(HeadersText(part), headers);
  }
  part.SetHeader("content-size", "42");
  EXPECT_EQ(part.GetContentSize(), 42u);
  part.SetHeader("Content-Size", "4x");
  for (int attempt = 0; attempt < 2; ++attempt) {
    EXPECT_EQ(MessageOf<BodyPartException>([&] { part.GetContentSize(); }),
              "Failed to parse header: 'Content-Size': value: '4x'.");
  }
  part.RemoveHeader("CONTENT-SIZE");
  EXPECT_EQ(part.GetContentSize(), 0u);
}

TEST(BodyPart, RemovingTheStoredHeaderOrItsOwnNameForgetsItsReading) {
  for (const bool byName : {false, true}) {
    BodyPart part("p");
    part.SetHeader("Content-Type", "text/plain");
    part.SetHeader("X", "x");
    EXPECT_EQ(part.GetContentType(), "text/plain");
    const Header& stored = *part.EnumerateHeaders().begin();  // X moves into its place
    EXPECT_TRUE(byName ? part.RemoveHeader(stored.GetName()) : part.RemoveHeader(stored));
    EXPECT_EQ(part.GetContentType(), "") << byName;
  }
}

TEST(BodyPart, TypedSettersCompareWithWhatTheHeaderSaysNow) {
  BodyPart part("p");
  EXPECT_EQ(part.GetContentType(), "");
  part.SetHeader("Content-Type", "text/plain");
  part.SetContentType("");  // the header says text/plain, whatever was cached
  EXPECT_EQ(part.GetHeaderCount(), 0u);

  // A type cached before a Read is stale.
  EXPECT_EQ(part.GetContentType(), "");
  ReadFrom(BytesOf(BodyPart("q", HeadersOf({{"Content-Type", "text/html"}}), {})), part);
  part.SetContentType("");
  EXPECT_EQ(part.GetHeaderCount(), 0u);

  // The disposition setters keep what the unread header says of the other.
  part.SetHeader("Content-Disposition", "attachment;filename=\"a.pdf\"");
  part.SetFileName("b.pdf");
  EXPECT_EQ(HeadersText(part), "Content-Disposition=attachment;filename=\"b.pdf\"");
  EXPECT_EQ(part.GetFileName(), "b.pdf");
  part.SetHeader("Content-Disposition", "attachment;filename=\"a.pdf\"");
  part.SetDisposition(Disposition::Inline);
  EXPECT_EQ(HeadersText(part), "Content-Disposition=inline");
  part.SetDisposition(Disposition::Attachment);  // inline kept no file name
  part.SetFileName("c.pdf");
  EXPECT_EQ(HeadersText(part), "Content-Disposition=attachment;filename=\"c.pdf\"");
}

TEST(BodyPart, TypedSettersRewriteAHeaderThatDoesNotParse) {
  using Setter = std::function<void(BodyPart&)>;
  const std::tuple<const char*, const char*, Setter, const char*> cases[] = {
      {"Content-Type", "", [](BodyPart& p) { p.SetContentType(""); }, ""},
      {"Content-Disposition", "bogus", [](BodyPart& p) { p.SetDisposition(Disposition::Inline); },
       "Content-Disposition=inline"},
      {"Content-Disposition", ";x", [](BodyPart& p) { p.SetFileName(""); },
       "Content-Disposition=inline"},
      {"Content-Disposition", "", [](BodyPart& p) { p.SetDisposition(Disposition::Attachment); },
       "Content-Disposition=attachment"},
  };
  for (const auto& [name, value, set, headers] : cases) {
    BodyPart part("p", HeadersOf({{name, value}}), {});
    set(part);
    EXPECT_EQ(HeadersText(part), headers) << name << ": " << value;
  }
}

TEST(BodyPart, DispositionAndFileNameAreReadFromTheHeaderAndBadValuesAreRefused) {
  BodyPart part("p");
  part.SetHeader("content-disposition", "attachment;filename=\"r.pdf\"");
  EXPECT_EQ(part.GetDisposition(), Disposition::Attachment);
  EXPECT_EQ(part.GetFileName(), "r.pdf");
  part.SetDisposition(Disposition::Inline);
  part.SetFileName("other.pdf");  // an inline part carries no file name
  EXPECT_EQ(part.GetFileName(), "");
  EXPECT_EQ(MessageOf<Strata::IllegalArgumentException>(
                [&] { part.SetDisposition(static_cast<Disposition::Type>(7)); }),
            "Invalid disposition: disposition has no text.");
  EXPECT_EQ(HeadersText(part), "Content-Disposition=inline");
  part.SetHeader("Content-Disposition", "");
  EXPECT_EQ(MessageOf<BodyPartException>([&] { part.GetFileName(); }),
            "Failed to parse header: 'Content-Disposition': value is empty.");
  part.SetHeader("Content-Disposition", "bogus");
  EXPECT_EQ(MessageOf<BodyPartException>([&] { part.GetDisposition(); }),
            "Failed to parse header: 'Content-Disposition': value: 'bogus'.");
}

TEST(BodyPart, ContentSizeIsTakenFirstAndReadAgainOnceTheContentChanges) {
  struct Unsizable : ScriptedContent {
    using ScriptedContent::ScriptedContent;
    unsigned int GetSize() const override {
      if (refuse) STRATA_THROW(Strata::IOException, "No size.");
      return size;
    }
    bool refuse = false;
  };
  BodyPart part("p", HeadersOf({{"Content-Size", "42"}}), {});
  EXPECT_EQ(part.GetContentSize(), 42u);
  part.SetContent(MakeMemory(Pattern(5)));
  EXPECT_EQ(part.GetContentSize(), 5u);
  part.SetContent({});
  EXPECT_EQ(part.GetContentSize(), 0u);  // the header went with the content

  const auto content = Strata::MakeRef<Unsizable>(7u, 7u);
  part.SetContent(content);
  content->refuse = true;
  const std::function<void()> changes[] = {
      [&] { part.SetHeader("content-size", "8"); },
      [&] { part.SetHeader(Header("Content-Size", "8")); },
      [&] { part.RemoveHeader("CONTENT-SIZE"); },
      [&] { part.RemoveHeader(Header("Content-Size", "7")); },
  };
  for (const auto& change : changes) {
    EXPECT_THROW(change(), Strata::IOException);
    EXPECT_EQ(HeadersText(part), "Content-Size=7");
  }
}

TEST(BodyPart, SetContentTypeWritesTheHeaderLastAndAMoveLeavesNothingBehind) {
  BodyPart part("p", HeadersOf({{"Content-Type", "text/plain"}, {"X", "x"}}), {});
  part.SetContentType("text/html");
  EXPECT_EQ(HeadersText(part), "X=x Content-Type=text/html");
  BodyPart moved("q");
  moved = std::move(part);
  EXPECT_EQ(moved.GetContentType(), "text/html");
  EXPECT_EQ(moved.GetHeaders(), HeadersOf({{"X", "x"}, {"Content-Type", "text/html"}}));
  EXPECT_EQ(part.GetHeaderCount(), 0u);
  EXPECT_EQ(part.GetContentType(), "");
}

TEST(BodyPart, SelfAssignmentAndUnchangedValuesChangeNothing) {
  const auto content = MakeMemory(Of("abc"));
  BodyPart part("p", HeadersOf({{"X", "x"}}), content);
  const BodyPart& same = part;
  part = same;
  EXPECT_TRUE(part == same && part.GetContent() == content);  // kept, not cloned
  part.SetDisposition(Disposition::Inline);                   // the cached defaults
  part.SetFileName("");
  part.SetContent(content);
  EXPECT_EQ(HeadersText(part), "X=x Content-Size=3");
}

TEST(BodyPart, CopiesCloneTheContentWhileTheConstructorShares) {
  const auto content = MakeMemory(Of("abc"));
  BodyPart part("p", Headers(), content);
  EXPECT_EQ(part.GetContent(), content);
  BodyPart copy(part);
  BodyPart assigned("other");
  assigned = part;
  for (BodyPart* other : {&copy, &assigned}) {
    EXPECT_EQ(*other, part);
    WriteContent(*other->GetContent(), Of("changed"));
    EXPECT_EQ(ContentBytes(*content), Of("abc"));
  }
}

TEST(BodyPart, EqualityComparesNameHeadersAndContentBytes) {
  const Headers headers = HeadersOf({{"A", "1"}, {"B", "2"}});
  const BodyPart part("p", headers, MakeMemory(Of("abc")));
  // The headers agree, one content is missing.
  EXPECT_NE(part, BodyPart("p", HeadersOf({{"A", "1"}, {"B", "2"}, {"Content-Size", "3"}}), {}));
  EXPECT_EQ(part, BodyPart("p", HeadersOf({{"b", "2"}, {"a", "1"}}),
                           Strata::MakeRef<TextContent>("abc")));
  EXPECT_NE(part, BodyPart("p", headers, {}));
  EXPECT_NE(BodyPart("p", headers, {}), part);
  EXPECT_EQ(BodyPart("p", headers, {}), BodyPart("p", headers, {}));
  EXPECT_NE(part, BodyPart("P", headers, MakeMemory(Of("abc"))));
}

TEST(BodyPart, ContentTravelsAsFlagSizeAndBytesIn65536BytePieces) {
  EXPECT_EQ(BytesOf(BodyPart("p")).back(), 0);  // no content follows
  const Bytes xyz = BytesOf(BodyPart("p", Headers(), MakeMemory(Of("xyz"))));
  EXPECT_EQ(Bytes(xyz.end() - 8, xyz.end()), (Bytes{1, 0, 0, 0, 3, 'x', 'y', 'z'}));

  auto scripted = Strata::MakeRef<ScriptedContent>(200000, 200000);
  BytesOf(BodyPart("p", Headers(), scripted));
  EXPECT_EQ(scripted->requests, (std::vector<unsigned int>{65536, 65536, 65536, 3392}));
  EXPECT_EQ(scripted->closed, 1);
  for (unsigned int size : {0u, 65535u, 65536u, 65537u, 131073u}) {
    const BodyPart part("p", Headers(), MakeMemory(Pattern(size)));
    const Bytes bytes = BytesOf(part);
    EXPECT_EQ(Bytes(bytes.end() - size, bytes.end()), Pattern(size));
    EXPECT_EQ(RoundTrip(part), part) << size;
  }
}

TEST(BodyPart, ReadingMakesTextContentOnlyForContentTypesBeginningWithText) {
  const std::tuple<const char*, const char*, bool> cases[] = {
      {"content-type", "text/html; charset=utf-8", true},
      {"Content-Type", "textual/x", true},
      {"Content-Type", "TEXT/plain", false},
      {"X-Content-Type", "text/plain", false},
  };
  for (const auto& [name, value, text] : cases) {
    const BodyPart read = RoundTrip(BodyPart("p", HeadersOf({{name, value}}), MakeMemory({})));
    EXPECT_EQ(dynamic_cast<TextContent*>(read.GetContent().Get()) != nullptr, text) << value;
    EXPECT_EQ(dynamic_cast<MemoryContent*>(read.GetContent().Get()) != nullptr, !text);
  }
}

TEST(BodyPart, ShortContentFailsToWriteAndTruncatedChannelsLeaveThePartUnchanged) {
  auto shortContent = Strata::MakeRef<ScriptedContent>(100, 60);
  const BodyPart shortPart("p", Headers(), shortContent);
  EXPECT_EQ(
      FaultOf<Strata::IOException>([&] { BytesOf(shortPart); }),
      "Failed to write content. (Source/Quorum/Server/Mail/Contents/Internal/ContentSection.cpp, "
      "-7003)");
  EXPECT_EQ(shortContent->closed, 1);
  auto failing = Strata::MakeRef<ScriptedContent>(100, 60, true);
  EXPECT_THROW(BytesOf(BodyPart("p", Headers(), failing)), Strata::IOException);
  EXPECT_EQ(failing->closed, 1);  // closed on the way out

  const BodyPart old("old", HeadersOf({{"X", "1"}}), MakeMemory(Of("kept")));
  ExpectTruncatedReadsLeaveUnchanged(old, BodyPart("new", Headers(), MakeMemory(Pattern(10))));
  // Short within the content bytes, in a later piece.
  const Bytes bytes = BytesOf(BodyPart("new", Headers(), MakeMemory(Pattern(70000))));
  BodyPart part(old);
  try {
    ReadFrom(Bytes(bytes.begin(), bytes.end() - 1), part);
    ADD_FAILURE() << "Read did not throw";
  } catch (const Strata::IOException& e) {
    EXPECT_EQ(e.GetMessage(), "Failed to read content.");
    EXPECT_EQ(e.GetErrorCode(), -7003);
  }
  EXPECT_EQ(part, old);
}

// A file that changed under its part would send its old Content-Size before
// bytes of another count; such a part, and one read with a header at odds
// with its content, is refused before a byte of it is written.
TEST(BodyPart, WriteRefusesAContentSizeHeaderThatDisagreesWithTheContent) {
  TemporaryFolder folder;
  WriteFile(folder / "data", Pattern(5000));
  const auto file = Strata::MakeRef<FileContent>(Conduit::Location(folder / "data"));
  const BodyPart part("att.bin", Headers(), file);
  const auto refusal = [&](const BodyPart& written) {
    Bytes bytes;
    const std::string fault = FaultOf<Strata::IOException>(
        [&] { bytes = WrittenBy([&](Strata::OChannelX& channel) { written.Write(channel); }); });
    EXPECT_TRUE(bytes.empty());
    return fault;
  };
  const auto says = [](const char* name, const char* header, unsigned int size) {
    return "Failed to write body part: '" + std::string(name) + "': Content-Size header says '" +
           header + "', content holds " + std::to_string(size) +
           " bytes. (Source/Quorum/Server/Mail/BodyPart.cpp, -7003)";
  };
  WriteFile(folder / "data", Pattern(10));
  EXPECT_EQ(refusal(part), says("att.bin", "5000", 10));
  std::filesystem::remove(folder / "data");
  EXPECT_EQ(refusal(part), says("att.bin", "5000", 0));

  Bytes stated = WrittenAs("p", 1u, "content-size", "4x");
  stated.insert(stated.end(), {1, 0, 0, 0, 2, 'h', 'i'});
  BodyPart read;
  ReadFrom(stated, read);
  EXPECT_EQ(refusal(read), says("p", "4x", 2));
  // Without the header, or once it is rewritten from the content, it writes.
  read.SetHeader("Content-Size", "anything");
  EXPECT_EQ(RoundTrip(read), read);
  read.SetHeaders(Headers());
  EXPECT_EQ(read.GetHeaderCount(), 0u);
  EXPECT_EQ(RoundTrip(read), read);
}
