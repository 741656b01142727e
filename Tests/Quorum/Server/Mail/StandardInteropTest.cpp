// The mail values meet the standard library: streams, hashing, ranges, and
// the whole-value conveniences over the channel forms.
#include <algorithm>
#include <ranges>
#include <sstream>
#include <unordered_map>
#include <unordered_set>

#include "ContentTestSupport.h"
#include "Quorum/Server/Mail/AddressList.h"
#include "Quorum/Server/Mail/BodyParts.h"
#include "Quorum/Server/Mail/Flags.h"
#include "Quorum/Server/Mail/Headers.h"
#include "Quorum/Server/Mail/Mail.h"
#include "Quorum/Server/Mail/MailId.h"
#include "Quorum/Server/Mail/MailboxId.h"
#include "Quorum/Server/Mail/Parameters.h"
#include "Strata/WholeValue.h"

using namespace ContentTestSupport;

static_assert(std::ranges::contiguous_range<const Headers>);
static_assert(std::ranges::contiguous_range<const Parameters>);
static_assert(std::ranges::contiguous_range<const Flags>);
static_assert(std::ranges::contiguous_range<const BodyParts>);
static_assert(std::ranges::random_access_range<const AddressList>);

namespace {

Headers SomeHeaders() {
  Headers headers;
  headers.Set(U(u"Subject"), U(u"Gr\u00FC\u00DFe"));
  headers.Set(U(u"X-Tag"), U(u"1"));
  return headers;
}

std::vector<std::byte> AsStdBytes(const Bytes& bytes) {
  const auto* first = reinterpret_cast<const std::byte*>(bytes.data());
  return std::vector<std::byte>(first, first + bytes.size());
}

}  // namespace

TEST(MailInterop, StreamsTextFormsHashesAndRanges) {
  const Headers headers = SomeHeaders();
  std::ostringstream out;
  out << headers << '|' << MailId(U(u"m1"));
  EXPECT_EQ(out.str(), headers.ToString().ToUtf8() + "|" + MailId(U(u"m1")).ToString().ToUtf8());

  std::unordered_map<MailId, int> counts;
  ++counts[MailId(U(u"a"))];
  ++counts[MailId(U(u"a"))];
  EXPECT_EQ(counts.size(), 1u);
  EXPECT_EQ(counts[MailId(U(u"a"))], 2);
  EXPECT_EQ(std::hash<MailId>{}(MailId(U(u"a"))), MailId(U(u"a")).GenerateHashValue());

  const auto tag =
      std::ranges::find_if(headers, [](const Header& h) { return h.GetName() == U(u"X-Tag"); });
  EXPECT_EQ(tag - headers.begin(), 1);
  Flags flags;
  flags.Set(U(u"\\Seen")).Set(U(u"Work"));
  EXPECT_EQ(std::ranges::distance(flags), 2);
}

TEST(MailInterop, WholeValuesRoundTripThroughBytesFilesAndStreams) {
  const Headers headers = SomeHeaders();
  const std::vector<std::byte> bytes = Strata::ToBytes(headers);
  EXPECT_EQ(bytes, AsStdBytes(BytesOf(headers)));  // exactly the channel form
  EXPECT_EQ(Strata::FromBytes<Headers>(bytes), headers);

  TemporaryFolder folder;
  Strata::WriteToFile(headers, folder / "headers");
  Headers fromFile;
  Strata::ReadFromFile(folder / "headers", fromFile);
  EXPECT_EQ(fromFile, headers);

  // Values written one after the other are read back one by one.
  std::stringstream stream;
  Strata::WriteToStream(headers, stream);
  Strata::WriteToStream(Headers(), stream);
  Headers first;
  Headers second = headers;
  Strata::ReadFromStream(stream, first);
  Strata::ReadFromStream(stream, second);
  EXPECT_EQ(first, headers);
  EXPECT_TRUE(second.IsEmpty());
}

TEST(MailInterop, WholeValueReadsAreAllOrNothing) {
  const Headers kept = SomeHeaders();
  const std::vector<std::byte> bytes = Strata::ToBytes(kept);
  std::vector<std::byte> longer = bytes;
  longer.push_back(std::byte{0});  // a byte left over
  const std::vector<std::vector<std::byte>> refused = {{bytes.begin(), bytes.end() - 1}, longer};
  for (const auto& input : refused) {
    Headers target = kept;
    EXPECT_THROW(Strata::FromBytes(input, target), Strata::IOException);
    EXPECT_EQ(target, kept);
  }

  TemporaryFolder folder;
  Headers target = kept;
  EXPECT_EQ(
      MessageOf<Strata::IOException>([&] { Strata::ReadFromFile(folder / "missing", target); }),
      "Failed to open the file for reading: " + (folder / "missing").string() + ".");
  for (const auto& input : refused) {
    const auto* first = reinterpret_cast<const unsigned char*>(input.data());
    WriteFile(folder / "refused", Bytes(first, first + input.size()));
    Headers empty;
    EXPECT_THROW(Strata::ReadFromFile(folder / "refused", empty), Strata::IOException);
    EXPECT_TRUE(empty.IsEmpty());
  }
  EXPECT_EQ(
      MessageOf<Strata::IOException>([&] { Strata::WriteToFile(kept, folder / "no" / "such"); }),
      "Failed to open the file for writing: " + (folder / "no" / "such").string() + ".");
  std::stringstream truncated(std::string(reinterpret_cast<const char*>(bytes.data()), 5));
  EXPECT_THROW(Strata::ReadFromStream(truncated, target), Strata::IOException);
  EXPECT_EQ(target, kept);
}

TEST(MailInterop, MemoryContentFromSpanAndReadAllBytes) {
  const std::vector<std::byte> bytes = AsStdBytes(Pattern(10000));
  MemoryContent content{std::span<const std::byte>(bytes)};
  EXPECT_EQ(content.GetSize(), bytes.size());
  EXPECT_EQ(content.ReadAllBytes(), bytes);
  EXPECT_TRUE(MemoryContent(std::span<const std::byte>()).ReadAllBytes().empty());
}

TEST(MailInterop, TextFromStandardStringsGoesWhereverTextIsTaken) {
  Mail mail;
  for (int i = 1; i <= 2; ++i) mail.SetSubject("Report #" + std::to_string(i));
  EXPECT_EQ(mail.GetSubject(), u"Report #2");

  const std::string name = "X-Tag";
  const std::string_view value = "caf\xC3\xA9";
  mail.SetHeader(name, value);
  Header header;
  ASSERT_TRUE(mail.GetHeader(std::string_view("x-tag"), header));
  EXPECT_EQ(header.GetValue(), u"café");
  EXPECT_EQ(header, Header(std::string("X-Tag"), std::string(value)));

  // Literals still take the const char* form: nothing is ambiguous.
  mail.SetSubject("plain");
  EXPECT_EQ(mail.GetSubject(), Strata::UniString(std::string("plain")));
  EXPECT_TRUE(MailId(std::string("id-1")) == MailId("id-1"));
}
