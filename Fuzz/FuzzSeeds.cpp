// Writes seed inputs for the channel fuzzers from real channel forms:
//   FuzzSeeds <corpus folder>
// fills <corpus folder>/ChannelForms (a selector byte, then the value) and
// <corpus folder>/Mail (a mail), one file per value.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "Quorum/Server/Mail/AddressList.h"
#include "Quorum/Server/Mail/Contents/MemoryContent.h"
#include "Quorum/Server/Mail/Contents/TextContent.h"
#include "Quorum/Server/Mail/Date.h"
#include "Quorum/Server/Mail/Disposition.h"
#include "Quorum/Server/Mail/Importance.h"
#include "Quorum/Server/Mail/Mail.h"
#include "Quorum/Server/Mail/MailFetchPlan.h"
#include "Quorum/Server/Mail/MailboxAccess.h"
#include "Quorum/Server/Mail/MailboxQuota.h"
#include "Quorum/Server/Mail/MailboxSessionInfo.h"
#include "Quorum/Server/Mail/MailboxUsage.h"
#include "Quorum/Server/Mail/Parameter.h"
#include "Quorum/Server/Mail/Parameters.h"
#include "Strata/MemoryOBinaryChannel.h"
#include "Strata/OChannelX.h"

using namespace Quorum::Server::Mail;

namespace {

std::filesystem::path folder;

// Writes `prefix` (the selector, if any) and the channel form of `value` to
// the file `name` below the folder.
template <typename T>
void Seed(const std::string& name, const T& value, std::vector<unsigned char> prefix = {}) {
  Strata::MemoryOBinaryChannel bytes;
  Strata::OChannelX channel(bytes);
  value.Write(channel);
  std::ofstream file(folder / name, std::ios::binary);
  file.write(reinterpret_cast<const char*>(prefix.data()),
             static_cast<std::streamsize>(prefix.size()));
  file.write(reinterpret_cast<const char*>(bytes.GetBuffer()), bytes.GetSize());
}

// In the order of the checkers of ChannelFormsFuzzer.
enum Selector : unsigned char {
  kMail,
  kAddressList,
  kFetchPlan,
  kSessionInfo,
  kDate,
  kImportance,
  kDisposition,
  kAccess,
  kQuota,
  kUsage,
  kParameters,
  kParameter,
};

template <typename T>
T Parsed(const char* text) {
  T value;
  T::Parse(text, value);
  return value;
}

std::vector<Mail> Mails() {
  Headers headers;
  headers.Set("From", "\"Alice\" <:Inbox:alice>");
  headers.Set("To", "\"Bob\" <:Inbox:bob>;\"Carol\" <Work:Inbox:carol>");
  headers.Set("Subject", "Hello");
  headers.Set("In-Reply-To", "parent");
  headers.Set("Importance", "high");
  headers.Set("Received", "1700000000");
  headers.Set("Sent", "1699999999");
  headers.Set("Reply-To", "\"Alice\" <:Inbox:alice>");
  Flags flags;
  flags.Set("Read").Set("Flagged");

  Headers text;
  text.Set("Content-Type", "text/plain; charset=utf-8");
  text.Set("Content-Disposition", "inline");
  Headers attachment;
  attachment.Set("Content-Type", "application/pdf");
  attachment.Set("Content-Disposition", "attachment;filename=\"r.pdf\"");
  BodyParts parts;
  parts.Add(Strata::MakeRef<BodyPart>("text", text,
                                      Strata::MakeRef<Contents::TextContent>("h\u00e9llo")));
  const unsigned char pdfBytes[] = {'%', 'P', 'D', 'F', 0, 255};
  const Quorum::Commons::DataBuffer<unsigned char> pdf(pdfBytes, sizeof pdfBytes);
  parts.Add(Strata::MakeRef<BodyPart>("attachment", attachment,
                                      Strata::MakeRef<Contents::MemoryContent>(pdf)));
  parts.Add(Strata::MakeRef<BodyPart>("empty"));

  Headers odd;  // values that the typed readings refuse
  odd.Set("From", "Alice");
  odd.Set("Importance", "");
  odd.Set("Sent", "soon");
  BodyParts oddParts;
  Headers oddPart;
  oddPart.Set("Content-Size", "4x");
  oddPart.Set("Content-Disposition", ";x");
  oddParts.Add(Strata::MakeRef<BodyPart>("odd", oddPart, Strata::Ref<BodyPartContent>()));

  return {Mail(MailId("m1"), headers, parts, flags), Mail(MailId("m2"), odd, oddParts, {}),
          Mail(MailId("m3")), Mail()};
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: FuzzSeeds <corpus folder>\n");
    return 2;
  }
  const std::filesystem::path root = argv[1];
  folder = root / "Mail";
  std::filesystem::create_directories(folder);
  std::vector<Mail> mails = Mails();
  for (std::size_t i = 0; i < mails.size(); ++i) Seed("mail" + std::to_string(i), mails[i]);

  folder = root / "ChannelForms";
  std::filesystem::create_directories(folder);
  for (std::size_t i = 0; i < mails.size(); ++i)
    Seed("mail" + std::to_string(i), mails[i], {kMail});
  Seed("addresses", mails[0].GetTo(), {kAddressList});
  Seed("plan", MailFetchPlan().AddBodyPart("text").AddMailHeaders(), {kFetchPlan});
  Seed("session",
       MailboxSessionInfo(MailboxSessionId("s1"), MailboxId("Work:Inbox:alice"),
                          ClientId("desktop"), OwnerId("bob")),
       {kSessionInfo});
  Seed("date", Date(1700000000), {kDate});
  Seed("importance", Importance(Importance::High), {kImportance});
  Seed("disposition", Disposition(Disposition::Attachment), {kDisposition});
  Seed("access", Parsed<MailboxAccess>("read-only"), {kAccess});
  Seed("quota", MailboxQuota(100, 2000), {kQuota});
  Seed("usage", MailboxUsage(10, 200), {kUsage});
  Seed("parameters", Parsed<Parameters>("filename=\"r.pdf\";size=\"12\""), {kParameters});
  Seed("parameter", Parameter("filename", "r \\\"x\\\".pdf"), {kParameter});
  return 0;
}
