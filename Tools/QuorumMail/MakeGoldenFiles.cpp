// Writes the golden inputs of quorum-mail's tests into the folder given as
// the only argument: each value type written by the library's own Write,
// then broken variants of the full mail cut or patched where the decoder
// places its items. Names are "<type>--<case>.bin"; "--broken-" marks inputs
// that must not decode.
#include <cstdio>
#include <filesystem>
#include <fstream>
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
                               Strata::Ref<BodyPartContent> content) {
  auto part = Strata::MakeRef<BodyPart>(name);
  part->SetContentType(contentType);
  part->SetContent(std::move(content));
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

void SaveBroken(const Bytes& full) {
  using Quorum::Tools::Examiner::Decode;
  using Quorum::Tools::Examiner::FindSchema;
  const auto decoding = Decode(*FindSchema("mail"), full);
  const auto& root = decoding.root;
  const auto& headers = root.children[1];
  const auto& subject = headers.children[3];  // name, then value
  const auto& parts = root.children[2];
  const auto& body = parts.children[1];
  const auto& content = body.children[2];  // the flag, then size, then bytes
  const auto& flags = root.children[3];

  Save("mail--broken-empty", {});
  Save("mail--broken-in-id-length", Cut(full, 2));
  Save("mail--broken-in-header-count", Cut(full, headers.offset + 3));
  Save("mail--broken-in-header-value", Cut(full, subject.children[1].offset + 9));
  Save("mail--broken-before-body-parts", Cut(full, parts.offset));
  Save("mail--broken-in-body-part-name", Cut(full, body.offset + 5));
  Save("mail--broken-before-content-flag", Cut(full, content.offset));
  Save("mail--broken-in-content-size", Cut(full, content.offset + 3));
  Save("mail--broken-in-content", Cut(full, content.offset + 5 + 10));
  Save("mail--broken-in-flag", Cut(full, flags.children[2].offset + 6));

  Bytes patched = full;
  PutUnsignedInt(patched, headers.offset, 0xFFFFFFFFu);
  Save("mail--broken-huge-header-count", patched);
  patched = full;
  PutUnsignedInt(patched, subject.children[1].offset, 0x7FFFFFFFu);
  Save("mail--broken-huge-text-length", patched);
  patched = full;
  PutUnsignedInt(patched, content.offset + 1, 0xFFFFFFFFu);
  Save("mail--broken-huge-content-size", patched);
  patched = full;
  patched[content.offset] = 7;
  Save("mail--broken-invalid-bool", patched);
  patched = full;
  patched.insert(patched.end(), {0xDE, 0xAD, 0xBE});
  Save("mail--broken-trailing-bytes", patched);
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
    fs::remove_all(scratch);

    BodyParts& parts = full.GetBodyParts();
    Save("body-part--attachment", ChannelForm(*parts.Get("report.pdf")));
    BodyParts two;
    two.Add(parts.Get("body"));
    two.Add(parts.Get("empty"));
    Save("body-parts--two", ChannelForm(two));
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
