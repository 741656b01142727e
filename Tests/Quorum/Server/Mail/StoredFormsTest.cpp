// The channel files under Tests/Data/QuorumMail, named <kind>--<case>.bin,
// were written once and are what stored data and peers hold. Each one that
// is well formed reads into the library type of its kind and writes back
// byte for byte; the "all-" files are sequences of that type; the "broken-"
// ones are refused without a crash.
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "Quorum/Server/Mail.h"
#include "Strata/IOException.h"
#include "Strata/SequenceReader.h"
#include "Strata/SequenceWriter.h"
#include "Strata/StrataException.h"
#include "Strata/WholeValue.h"
#include "gtest/gtest.h"

using namespace Quorum::Server::Mail;

namespace {

using Bytes = std::vector<std::byte>;

Bytes BytesOf(const std::string& text) {
  const auto* first = reinterpret_cast<const std::byte*>(text.data());
  return Bytes(first, first + text.size());
}

Bytes ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return BytesOf({std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()});
}

// The bytes `bytes` give back after a read and a write as a T, or as a
// sequence of T; throws what the read or the write throws.
template <typename T>
Bytes Rewritten(const Bytes& bytes) {
  return Strata::ToBytes(Strata::FromBytes<T>(bytes));
}

template <typename T>
Bytes RewrittenSequence(const Bytes& bytes) {
  std::string text;
  for (const std::byte byte : bytes) text.push_back(static_cast<char>(byte));
  std::istringstream in(text);
  Strata::SequenceReader<T> reader(in);
  std::ostringstream out;
  Strata::SequenceWriter<T> writer(out);
  for (T value; reader.Read(value);) writer.Write(value);
  return BytesOf(out.str());
}

struct Kind {
  std::function<Bytes(const Bytes&)> one;
  std::function<Bytes(const Bytes&)> sequence;
};

template <typename T>
Kind KindOf() {
  return {Rewritten<T>, RewrittenSequence<T>};
}

const std::map<std::string, Kind>& Kinds() {
  static const std::map<std::string, Kind> kinds = {
      {"access", KindOf<MailboxAccess>()},
      {"address-list", KindOf<AddressList>()},
      {"body-part", KindOf<BodyPart>()},
      {"body-parts", KindOf<BodyParts>()},
      {"client-id", KindOf<ClientId>()},
      {"date", KindOf<Date>()},
      {"disposition", KindOf<Disposition>()},
      {"fetch-plan", KindOf<MailFetchPlan>()},
      {"flags", KindOf<Flags>()},
      {"headers", KindOf<Headers>()},
      {"importance", KindOf<Importance>()},
      {"mail", KindOf<Mail>()},
      {"mail-id", KindOf<MailId>()},
      {"mailbox-id", KindOf<MailboxId>()},
      {"mailbox-name", KindOf<MailboxName>()},
      {"mailbox-namespace", KindOf<MailboxNamespace>()},
      {"owner-id", KindOf<OwnerId>()},
      {"quota", KindOf<MailboxQuota>()},
      {"session-id", KindOf<MailboxSessionId>()},
      {"session-info", KindOf<MailboxSessionInfo>()},
      {"usage", KindOf<MailboxUsage>()},
  };
  return kinds;
}

TEST(StoredForms, EveryFileReadsAndWritesBackByteForByte) {
  const std::filesystem::path folder = std::filesystem::path(QUORUM_TEST_DATA_DIR) / "QuorumMail";
  int wellFormed = 0;
  int broken = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().extension() != ".bin") continue;
    const std::string stem = entry.path().stem().string();
    SCOPED_TRACE(stem);
    const std::size_t dashes = stem.find("--");
    ASSERT_NE(dashes, std::string::npos);
    const auto kind = Kinds().find(stem.substr(0, dashes));
    ASSERT_NE(kind, Kinds().end()) << "no library type for this kind";
    const std::string name = stem.substr(dashes + 2);
    const bool sequence = name.rfind("all-", 0) == 0;
    const auto& rewrite = sequence ? kind->second.sequence : kind->second.one;
    const Bytes bytes = ReadAll(entry.path());

    if (name.find("broken-") != std::string::npos) {
      ++broken;
      EXPECT_THROW(rewrite(bytes), Strata::StrataException);
    } else if (name == "size-disagrees") {
      // Read keeps the header as stored; Write refuses to promise a size
      // the content does not have.
      EXPECT_THROW(rewrite(bytes), Strata::IOException);
    } else {
      ++wellFormed;
      EXPECT_EQ(rewrite(bytes), bytes);
    }
  }
  // Every kind has a well-formed file, and the refusals are exercised.
  EXPECT_GE(wellFormed, static_cast<int>(Kinds().size()));
  EXPECT_GT(broken, 10);
}

}  // namespace
