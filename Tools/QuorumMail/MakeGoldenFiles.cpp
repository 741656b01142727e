// Writes the golden inputs of quorum-mail's tests into the folder given as
// the only argument: each value type written by the library's own Write,
// then broken variants of the full mail cut or patched where the decoder
// places its items. Names are "<type>--<case>.bin"; "--broken-" marks inputs
// that must not decode.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "Conduit/Location.h"
#include "Decoder.h"
#include "Quorum/Commons/DataBuffer.h"
#include "Quorum/Server/Mail/AddressList.h"
#include "Quorum/Server/Mail/BodyPart.h"
#include "Quorum/Server/Mail/Contents/FileContent.h"
#include "Quorum/Server/Mail/Contents/MemoryContent.h"
#include "Quorum/Server/Mail/Contents/TextContent.h"
#include "Quorum/Server/Mail/Mail.h"
#include "Quorum/Server/Mail/MailFetchPlan.h"
#include "Quorum/Server/Mail/MailboxAccess.h"
#include "Quorum/Server/Mail/MailboxNames.h"
#include "Quorum/Server/Mail/MailboxQuota.h"
#include "Quorum/Server/Mail/MailboxSessionInfo.h"
#include "Quorum/Server/Mail/MailboxUsage.h"
#include "Schema.h"
#include "Sink.h"
#include "Source.h"
#include "Strata/MemoryOBinaryChannel.h"
#include "Strata/OChannelX.h"
#include "Strata/StrataException.h"

using namespace Quorum::Server::Mail;
using Bytes = std::vector<unsigned char>;
namespace fs = std::filesystem;

namespace {

fs::path folder;

template <typename Value>
Bytes ChannelForm(const Value& value) {
  Strata::MemoryOBinaryChannel memory;
  Strata::OChannelX channel(memory);
  value.Write(channel);
  return Bytes(memory.GetBuffer(), memory.GetBuffer() + memory.GetSize());
}

void Save(const std::string& name, const Bytes& bytes) {
  std::ofstream(folder / (name + ".bin"), std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

Address MakeAddress(const char* owner, const char* personal) {
  return Address(MailboxId(MailboxNamespace(), MailboxNames::Inbox, OwnerId(owner)), personal);
}

Strata::Ref<BodyPart> MakePart(const char* name, const char* contentType,
                               const Strata::Ref<BodyPartContent>& content) {
  auto part = Strata::MakeRef<BodyPart>(name);
  part->SetContentType(contentType);
  part->SetContent(content);
  return part;
}

Mail MakeFullMail(const fs::path& scratch) {
  Mail mail(MailId("mail-0042"));
  mail.SetFrom(AddressList().Append(MakeAddress("alice", "Alice Example")));
  mail.SetTo(AddressList()
                 .Append(MakeAddress("bob", "Bob; the builder"))
                 .Append(MakeAddress("carol", "Carol <C>")));
  mail.SetReplyTo(AddressList().Append(MakeAddress("alice", "Alice at home")));
  mail.SetSubject(u"Quarterly report \u2013 Q4 \u20ac");
  mail.SetImportance(Importance(Importance::High));
  mail.SetSent(Date(1767225600));
  mail.SetReceived(Date(1767225660));
  mail.SetParentId(MailId("mail-0041"));
  for (int i = 1; mail.GetHeaderCount() < 20; ++i) {
    mail.SetHeader(Strata::UniString::Format("X-Trace-%u", static_cast<unsigned int>(i)),
                   Strata::UniString::Format("hop %u", static_cast<unsigned int>(i)));
  }

  Bytes binary(300);
  for (std::size_t i = 0; i < binary.size(); ++i) binary[i] = static_cast<unsigned char>(i * 7);
  mail.GetBodyParts().Add(
      MakePart("image.png", "image/png",
               Strata::MakeRef<Contents::MemoryContent>(Quorum::Commons::DataBuffer<unsigned char>(
                   binary.data(), static_cast<unsigned int>(binary.size())))));
  mail.GetBodyParts().Add(
      MakePart("body", "text/plain; charset=utf-8",
               Strata::MakeRef<Contents::TextContent>(
                   u"Hello Bob,\n\nthe report is attached: 12\u00a0345 \u20ac.\n")));
  const fs::path file = scratch / "report.pdf";
  std::ofstream(file, std::ios::binary) << "%PDF-1.7\n" << std::string(100, 'x') << "\n%%EOF\n";
  auto report = MakePart("report.pdf", "application/pdf",
                         Strata::Ref<BodyPartContent>(new Contents::FileContent(file)));
  report->SetDisposition(Disposition(Disposition::Attachment));
  report->SetFileName("report.pdf");
  mail.GetBodyParts().Add(report);
  mail.GetBodyParts().Add(Strata::MakeRef<BodyPart>("empty"));
  mail.SetRead(true);
  mail.SetFlagged(true);
  mail.GetFlags().Set("$Label1");
  return mail;
}

// Data the library reads but would not write from checked values: a lone
// surrogate in a header value, text content that is not UTF-8, and typed
// headers that do not parse.
Mail MakeOddMail() {
  Mail mail(MailId("odd"));
  mail.SetHeader("X-Odd", Strata::UniString(std::u16string(u"a\xD800z")));
  mail.SetHeader("From", "Alice <no closing bracket");
  mail.SetHeader("Importance", "urgent");
  mail.SetHeader("Sent", "yesterday");
  const unsigned char latin1[] = {'c', 'a', 'f', 0xE9};
  mail.GetBodyParts().Add(
      MakePart("latin1", "text/plain; charset=iso-8859-1",
               Strata::MakeRef<Contents::MemoryContent>(
                   Quorum::Commons::DataBuffer<unsigned char>(latin1, sizeof latin1))));
  return mail;
}

void PutUnsignedInt(Bytes& bytes, std::uint64_t offset, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<unsigned char>(value >> (24 - 8 * i));
}

Bytes Cut(const Bytes& bytes, std::uint64_t size) {
  return Bytes(bytes.begin(), bytes.begin() + size);
}

// Where each item of a decoding begins, by the labels that lead to it:
// "mail/body parts/body part 2/content".
class Offsets : public Quorum::Tools::Examiner::Sink {
 public:
  using Item = Quorum::Tools::Examiner::Item;

  Offsets(const std::string& type, const Bytes& bytes) {
    Quorum::Tools::Examiner::Source source(bytes);
    Quorum::Tools::Examiner::Decode(*Quorum::Tools::Examiner::FindSchema(type), source, *this);
  }
  std::uint64_t operator[](const std::string& path) const { return offsets_.at(path); }

  void BeginRecord(const Item& item) override { Begin(item); }
  void EndRecord(const Item& /*item*/) override { path_.pop_back(); }
  void BeginList(const Item& item, std::uint32_t /*count*/) override { Begin(item); }
  void EndList(const Item& /*item*/) override { path_.pop_back(); }
  void Text(const Item& item, const std::u16string& /*units*/) override { Leaf(item); }
  void Number(const Item& item, std::int64_t /*number*/) override { Leaf(item); }
  void NoContent(const Item& item) override { Leaf(item); }
  void Content(const Item& item, ContentKind /*kind*/,
               const Quorum::Tools::Examiner::ContentBytes& /*bytes*/) override {
    Leaf(item);
  }

 private:
  void Begin(const Item& item) {
    Leaf(item);
    path_.push_back(item.label);
  }
  void Leaf(const Item& item) {
    std::string path;
    for (const std::string& label : path_) path += label + "/";
    offsets_[path + item.label] = item.offset;
  }

  std::vector<std::string> path_;
  std::map<std::string, std::uint64_t> offsets_;
};

void SaveBroken(const Bytes& full) {
  const Offsets offsets("mail", full);
  const std::uint64_t headers = offsets["mail/headers"];
  const std::uint64_t subject = offsets["mail/headers/header 4/value"];
  const std::uint64_t parts = offsets["mail/body parts"];
  const std::uint64_t body = offsets["mail/body parts/body part 2"];
  const std::uint64_t content = offsets["mail/body parts/body part 2/content"];
  const std::uint64_t flag = offsets["mail/flags/flag 3"];

  Save("mail--broken-empty", {});
  Save("mail--broken-in-id-length", Cut(full, 2));
  Save("mail--broken-in-header-count", Cut(full, headers + 3));
  Save("mail--broken-in-header-value", Cut(full, subject + 9));
  Save("mail--broken-before-body-parts", Cut(full, parts));
  Save("mail--broken-in-body-part-name", Cut(full, body + 5));
  Save("mail--broken-before-content-flag", Cut(full, content));
  Save("mail--broken-in-content-size", Cut(full, content + 3));
  Save("mail--broken-in-content", Cut(full, content + 5 + 10));
  Save("mail--broken-in-flag", Cut(full, flag + 6));

  Bytes patched = full;
  PutUnsignedInt(patched, headers, 0xFFFFFFFFu);
  Save("mail--broken-huge-header-count", patched);
  patched = full;
  PutUnsignedInt(patched, subject, 0x7FFFFFFFu);
  Save("mail--broken-huge-text-length", patched);
  patched = full;
  PutUnsignedInt(patched, content + 1, 0xFFFFFFFFu);
  Save("mail--broken-huge-content-size", patched);
  patched = full;
  patched[content] = 7;
  Save("mail--broken-invalid-bool", patched);
  patched = full;
  patched.insert(patched.end(), {0xDE, 0xAD, 0xBE});
  Save("mail--broken-trailing-bytes", patched);
}

// The attachment with its Content-Size header changed from "116" to "117",
// so the header disagrees with the content that follows.
void SaveDisagreeing(Bytes attachment) {
  const std::uint64_t value = Offsets("body-part", attachment)["body-part/headers/header 2/value"];
  attachment.at(value + 4 + 2 * 3 - 1) = '7';  // after the length, the last of three units
  Save("body-part--size-disagrees", attachment);
}

Bytes Concatenated(std::initializer_list<Bytes> values) {
  Bytes all;
  for (const Bytes& value : values) all.insert(all.end(), value.begin(), value.end());
  return all;
}

// Values one after another, read with --all: "--all-broken-" ends in a
// truncated value.
void SaveSequences(const Bytes& fullMail, const Bytes& twoParts) {
  const Bytes odd = ChannelForm(MakeOddMail());
  const Bytes last = ChannelForm(Mail(MailId("last")));
  Save("mail--all-three", Concatenated({fullMail, odd, last}));
  Save("mail--all-none", {});
  Save("mail--all-broken-truncated", Concatenated({last, odd, Cut(fullMail, 1000)}));
  Save("body-parts--all-broken-second", Concatenated({twoParts, Cut(twoParts, 150)}));
  Save("date--all-two", Concatenated({ChannelForm(Date(-1)), ChannelForm(Date(1767225600))}));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  folder = argv[1];
  try {
    const fs::path scratch = fs::temp_directory_path() / "quorum-mail-golden";
    fs::create_directories(scratch);
    Mail full = MakeFullMail(scratch);
    const Bytes fullBytes = ChannelForm(full);
    Save("mail--full", fullBytes);
    Save("mail--odd", ChannelForm(MakeOddMail()));
    SaveBroken(fullBytes);

    BodyParts& parts = full.GetBodyParts();
    const Bytes attachment = ChannelForm(*parts.Get("report.pdf"));
    fs::remove_all(scratch);
    Save("body-part--attachment", attachment);
    SaveDisagreeing(attachment);
    BodyParts two;
    two.Add(parts.Get("body"));
    two.Add(parts.Get("empty"));
    const Bytes twoBytes = ChannelForm(two);
    Save("body-parts--two", twoBytes);
    SaveSequences(fullBytes, twoBytes);
    Save("headers--mail", ChannelForm(full.GetHeaders()));
    Save("flags--mail", ChannelForm(full.GetFlags()));
    Save("address-list--two",
         ChannelForm(AddressList()
                         .Append(MakeAddress("bob", "Bob"))
                         .Append(Address(MailboxId(":Archive:carol"), "Carol"))));
    MailFetchPlan plan;
    plan.AddMailHeaders().AddMailFlags().AddBodyPart("body").AddBodyPart("report.pdf");
    Save("fetch-plan--two-parts", ChannelForm(plan));
    const MailboxId mailbox(MailboxNamespace("shared"), MailboxName("Projects"), OwnerId("team"));
    Save("session-info--open",
         ChannelForm(MailboxSessionInfo(MailboxSessionId("session-7"), mailbox, ClientId("webmail"),
                                        OwnerId("alice"))));
    Save("mailbox-id--shared", ChannelForm(mailbox));
    Save("quota--limits", ChannelForm(MailboxQuota(1000000, 800000)));
    Save("usage--counts", ChannelForm(MailboxUsage(123456, 42)));
    Save("access--read-only", ChannelForm(MailboxAccess(MailboxAccess::ReadOnly)));
    Save("access--broken-truncated", {0});
    Save("importance--low", ChannelForm(Importance(Importance::Low)));
    Save("disposition--inline", ChannelForm(Disposition(Disposition::Inline)));
    Save("date--sent", ChannelForm(Date(-1)));
    Save("mail-id--plain", ChannelForm(MailId("mail-0042")));
    Save("client-id--plain", ChannelForm(ClientId("webmail")));
    Save("owner-id--plain", ChannelForm(OwnerId("alice")));
    Save("session-id--plain", ChannelForm(MailboxSessionId("session-7")));
    Save("mailbox-name--plain", ChannelForm(MailboxName("Projects")));
    Save("mailbox-namespace--plain", ChannelForm(MailboxNamespace("shared")));
    Save("quota--broken-truncated", {0, 0, 0, 1, 0, 0});
  } catch (const Strata::StrataException& e) {
    std::fprintf(stderr, "failed: %s\n", e.what());
    return 1;
  }
  return 0;
}
