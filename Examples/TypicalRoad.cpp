// The typical road of a mail, end to end.
//
// The server builds a mail with typed headers, a file attachment and a text
// body, and writes it to a file through a file channel. A client reads the
// file back into a Mail, asks for its typed headers, checks every body part's
// bytes against what was sent, marks the mail read and asks for one body part
// with a fetch plan. Each step is printed; the exit code is non-zero if any
// check fails. Given a path (`TypicalRoad mail.bin`), the program also keeps
// the mail's channel form there, for inspection with quorum-mail.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include "Conduit/Location.h"
#include "Quorum/Common/IO/FileIBinaryChannel.h"
#include "Quorum/Common/IO/FileOBinaryChannel.h"
#include "Quorum/Server/Mail/Address.h"
#include "Quorum/Server/Mail/AddressList.h"
#include "Quorum/Server/Mail/BodyPart.h"
#include "Quorum/Server/Mail/Contents/FileContent.h"
#include "Quorum/Server/Mail/Contents/MemoryContent.h"
#include "Quorum/Server/Mail/Contents/TextContent.h"
#include "Quorum/Server/Mail/Mail.h"
#include "Quorum/Server/Mail/MailFetchPlan.h"
#include "Quorum/Server/Mail/MailboxId.h"
#include "Quorum/Server/Mail/MailboxNames.h"
#include "Strata/IChannelX.h"
#include "Strata/OChannelX.h"
#include "Strata/StrataException.h"

using namespace Quorum::Server::Mail;
namespace IO = Quorum::Common::IO;

namespace {

int failures = 0;

void Check(bool ok, const char* what) {
  std::printf("  [%s] %s\n", ok ? "ok" : "FAILED", what);
  if (!ok) ++failures;
}

std::string Utf8(const Strata::UniString& text) { return text.ToCStr(); }

Address MakeAddress(const char* owner, const char* personal) {
  return Address(MailboxId(MailboxNamespace(), MailboxNames::Inbox, OwnerId(owner)), personal);
}

// A temporary folder that is removed again at the end of the program.
class TemporaryFolder {
 public:
  TemporaryFolder()
      : path_(std::filesystem::temp_directory_path() /
              ("quorum-typical-road-" + std::to_string(::getpid()))) {
    std::filesystem::create_directories(path_);
  }
  ~TemporaryFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  std::filesystem::path operator/(const char* name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

std::vector<unsigned char> MakeAttachmentBytes() {
  // 150,000 bytes: more than two 65,536-byte pieces of the content copy.
  std::vector<unsigned char> bytes(150000);
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<unsigned char>(i * 31 + 7);
  return bytes;
}

void WriteFile(const std::filesystem::path& path, const std::vector<unsigned char>& bytes) {
  IO::FileOBinaryChannel file(Conduit::Location(path), false, IO::FileShare::None);
  file.Write(bytes.data(), static_cast<unsigned int>(bytes.size()));
  file.Close();
}

void ServerSide(const std::filesystem::path& attachment, const std::filesystem::path& wire,
                const Strata::UniString& bodyText) {
  std::printf("server: building mail 'mail-0001'\n");
  Mail mail(MailId("mail-0001"));

  AddressList from;
  from.Append(MakeAddress("alice", "Alice \"Al\" Example"));
  AddressList to;
  to.Append(MakeAddress("bob", "Bob; the builder")).Append(MakeAddress("carol", "Carol <C>"));
  mail.SetFrom(from);
  mail.SetTo(to);
  mail.SetSubject("Quarterly report");
  mail.SetImportance(Importance(Importance::High));
  mail.SetSent(Date(1767225600));
  std::printf("server: typed headers written as raw headers:\n");
  for (const Header& header : mail.EnumerateHeaders()) {
    std::printf("  %s: %s\n", Utf8(header.GetName()).c_str(), Utf8(header.GetValue()).c_str());
  }

  Strata::Ref<BodyPart> report = Strata::MakeRef<BodyPart>("report.pdf");
  report->SetContentType("application/pdf");
  report->SetDisposition(Disposition(Disposition::Attachment));
  report->SetFileName("report.pdf");
  report->SetContent(Strata::Ref<BodyPartContent>(new Contents::FileContent(attachment)));
  mail.GetBodyParts().Add(report);
  std::printf("server: body part 'report.pdf' holds the file %s (%u bytes)\n",
              attachment.filename().c_str(), report->GetContentSize());

  Strata::Ref<BodyPart> body = Strata::MakeRef<BodyPart>("body");
  body->SetContentType("text/plain; charset=utf-8");
  body->SetContent(Strata::MakeRef<Contents::TextContent>(bodyText));
  mail.GetBodyParts().Add(body);
  std::printf("server: body part 'body' holds %u bytes of text\n", body->GetContentSize());

  IO::FileOBinaryChannel file(Conduit::Location(wire), false, IO::FileShare::None);
  Strata::OChannelX channel(file);
  mail.Write(channel);
  file.Close();
  std::printf("server: wrote the mail to %s (%ju bytes)\n", wire.filename().c_str(),
              static_cast<std::uintmax_t>(std::filesystem::file_size(wire)));
}

void ClientSide(const std::filesystem::path& attachment, const std::filesystem::path& wire,
                const Strata::UniString& bodyText) {
  Mail mail;
  {
    IO::FileIBinaryChannel file(Conduit::Location(wire), IO::FileShare::None);
    Strata::IChannelX channel(file);
    mail.Read(channel);
  }
  std::printf("client: read mail '%s' with %u headers and %u body parts\n",
              Utf8(mail.GetId().GetId()).c_str(), mail.GetHeaderCount(),
              mail.GetBodyParts().GetSize());
  Check(mail.IsValid(), "the mail is valid (id, From and To present)");

  const AddressList& from = mail.GetFrom();
  std::printf("client: From: %s\n", Utf8(from.ToString()).c_str());
  Check(from.GetSize() == 1 && from.Get(0).GetPersonal() == "Alice \"Al\" Example",
        "From parses back to Alice");
  Check(from.Get(0).GetMailboxId().GetOwnerId() == OwnerId("alice"),
        "From's mailbox belongs to alice");
  const AddressList& to = mail.GetTo();
  std::printf("client: To: %s\n", Utf8(to.ToString()).c_str());
  Check(to.GetSize() == 2 && to.Get(1).GetPersonal() == "Carol <C>",
        "To parses back to Bob and Carol");
  std::printf("client: Subject: %s\n", Utf8(mail.GetSubject()).c_str());
  Check(mail.GetSubject() == "Quarterly report", "Subject is intact");
  std::printf("client: Importance: %s\n", Utf8(mail.GetImportance().ToString()).c_str());
  Check(mail.GetImportance() == Importance::High, "Importance is high");
  Check(mail.GetSent() == 1767225600, "Sent date is intact");

  const Strata::Ref<BodyPart> report = mail.GetBodyParts().Get("report.pdf");
  Check(!report.IsNull(), "body part 'report.pdf' arrived");
  if (!report.IsNull()) {
    const bool isMemory =
        dynamic_cast<const Contents::MemoryContent*>(report->GetContent().Get()) != nullptr;
    Check(isMemory, "the file content arrived as memory content");
    const Contents::FileContent original((Conduit::Location(attachment)));
    Check(report->GetContent()->Equals(original), "its bytes equal the file that was sent");
    Check(report->GetFileName() == "report.pdf" &&
              report->GetDisposition() == Disposition::Attachment,
          "it is an attachment named report.pdf");
  }
  const Strata::Ref<BodyPart> body = mail.GetBodyParts().Get("body");
  Check(!body.IsNull(), "body part 'body' arrived");
  if (!body.IsNull()) {
    const auto* text = dynamic_cast<const Contents::TextContent*>(body->GetContent().Get());
    Check(text != nullptr, "the text arrived as text content");
    Check(text != nullptr && text->GetText() == bodyText, "its text equals what was sent");
  }

  mail.SetRead(true);
  Check(mail.IsRead(), "the mail is marked read");
  std::printf("client: flags: %s\n", Utf8(mail.GetFlags().ToString()).c_str());

  MailFetchPlan plan;
  plan.AddMailHeaders().AddBodyPart("report.pdf");
  std::printf("client: fetch plan asks for the mail headers and body part 'report.pdf'\n");
  Check(plan.IsMailHeadersRequested() && plan.IsBodyPartRequested("report.pdf") &&
            !plan.IsBodyPartRequested("body") && !plan.IsMailFlagsRequested(),
        "the plan requests exactly that");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 2) {
    std::fprintf(stderr, "usage: %s [path to keep the mail's channel form at]\n", argv[0]);
    return 2;
  }
  try {
    TemporaryFolder folder;
    const std::filesystem::path attachment = folder / "report.pdf";
    const std::filesystem::path wire = folder / "mail-0001.bin";
    const Strata::UniString bodyText(
        "Hello Bob,\n\nthe report is attached. Total: 12\u00a0345\u00a0\u20ac.\n\nAlice\n");
    WriteFile(attachment, MakeAttachmentBytes());
    ServerSide(attachment, wire, bodyText);
    ClientSide(attachment, wire, bodyText);
    if (argc == 2) {
      std::filesystem::copy_file(wire, argv[1], std::filesystem::copy_options::overwrite_existing);
      std::printf("kept the mail's channel form at %s\n", argv[1]);
    }
  } catch (const Strata::StrataException& e) {
    std::fprintf(stderr, "failed: %s: %s (%s:%u)\n", e.GetName(), e.what(),
                 e.GetSourceFile() != nullptr ? e.GetSourceFile() : "?", e.GetSourceLine());
    return 1;
  } catch (const std::filesystem::filesystem_error& e) {
    std::fprintf(stderr, "failed: %s\n", e.what());
    return 1;
  }
  if (failures == 0) {
    std::printf("all checks passed\n");
  } else {
    std::printf("%d checks FAILED\n", failures);
  }
  return failures == 0 ? 0 : 1;
}
