// The channel form and the text forms of a full mail, compared byte for byte
// with files captured once under Tests/Data. Set QUORUM_UPDATE_GOLDEN=1 to
// write the files anew (only when a form is meant to change).
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "CharsetSamples.h"
#include "ContentTestSupport.h"
#include "Quorum/Server/Mail/AddressList.h"
#include "Quorum/Server/Mail/ContentDisposition.h"
#include "Quorum/Server/Mail/Mail.h"
#include "Quorum/Server/Mail/MailFetchPlan.h"
#include "Quorum/Server/Mail/MailboxNames.h"

namespace {

using namespace ContentTestSupport;

Address MakeAddress(const char* owner, const char16_t* personal) {
  return Address(MailboxId(MailboxNamespace(), MailboxNames::Inbox, OwnerId(owner)), personal);
}

Strata::Ref<BodyPart> MakePart(const char* name, const char* type,
                               const Strata::Ref<BodyPartContent>& content) {
  Strata::Ref<BodyPart> part = Strata::MakeRef<BodyPart>(name);
  part->SetContentType(type);
  part->SetHeader(u"X-Note", u"Wert mit Umlauten äöü and \"quotes\"");
  part->SetContent(content);
  return part;
}

Mail MakeMail(const std::filesystem::path& file) {
  Mail mail(MailId("mail-golden"));
  AddressList from;
  from.Append(MakeAddress("alice", u"Alice \"Al\" Example"));
  AddressList to;
  to.Append(MakeAddress("bob", u"Bob; the builder")).Append(MakeAddress("carol", u"Çarol <C>"));
  mail.SetFrom(from);
  mail.SetTo(to);
  mail.SetReplyTo(from);
  mail.SetSubject(u"Quarterly report — Ünïcode");
  mail.SetImportance(Importance(Importance::High));
  mail.SetSent(Date(1767225600));
  mail.SetReceived(Date(1767225700));
  mail.SetHeader("X-Custom", "value");
  mail.SetRead(true);
  mail.SetFlagged(true);
  Flags flags = mail.GetFlags();
  flags.Set(u"$Label1").Set(u"Ärger");
  mail.SetFlags(flags);

  WriteFile(file, Pattern(300));
  Strata::Ref<BodyPart> attachment = MakePart("report.bin", "application/octet-stream",
                                              Strata::Ref<BodyPartContent>(new FileContent(file)));
  Parameters parameters;
  parameters.Set(u"filename", u"report; \"final\".bin");
  parameters.Set(u"Size", u"300");
  attachment->SetHeader(
      u"Content-Disposition",
      ContentDisposition(Disposition(Disposition::Attachment), parameters).ToString());
  mail.GetBodyParts().Add(attachment);
  mail.GetBodyParts().Add(MakePart("memory", "image/png", MakeMemory(Pattern(40))));
  mail.GetBodyParts().Add(MakePart("text", "text/plain; charset=utf-8",
                                   Strata::MakeRef<TextContent>(u"Hello — ünïcode text 😀\r\n")));
  return mail;
}

std::string TextForms(Mail& mail) {
  Headers headers;
  for (const Header& header : mail.EnumerateHeaders()) headers.Set(header);
  std::string text = headers.ToString().ToCStr() + "\n";
  text += mail.GetFrom().ToString().ToCStr() + "\n";
  text += mail.GetTo().ToString().ToCStr() + "\n";
  text += mail.GetSent().ToString().ToCStr() + "\n";
  text += mail.GetImportance().ToString().ToCStr() + "\n";
  text += mail.GetFlags().ToString().ToCStr() + "\n";
  for (const auto& part : mail.GetBodyParts().Enumerate()) {
    text += part->GetName().ToCStr() + ": ";
    Headers partHeaders;
    for (const Header& header : part->EnumerateHeaders()) partHeaders.Set(header);
    text += partHeaders.ToString().ToCStr() + "\n";
  }
  ContentDisposition disposition;
  if (ContentDisposition::Parse(u"attachment;filename=\"a; b\";Size=3", disposition)) {
    text += disposition.ToString().ToCStr() + "\n";
  }
  return text;
}

std::string Text(const Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

std::string Golden(const char* name, const std::string& actual) {
  const std::string path = std::string(QUORUM_TEST_DATA_DIR) + "/" + name;
  if (std::getenv("QUORUM_UPDATE_GOLDEN") != nullptr) {
    std::ofstream(path, std::ios::binary) << actual;
  }
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(GoldenForms, FullMailKeepsItsChannelAndTextFormsByteForByte) {
  TemporaryFolder folder;
  Mail mail = MakeMail(folder / "attachment.bin");
  const std::string bytes = Text(BytesOf(mail));
  EXPECT_EQ(Golden("GoldenMail.bin", bytes), bytes);
  const std::string plan = Text(
      BytesOf(MailFetchPlan().AddMailHeaders().AddBodyPart(u"report.bin").AddBodyPart(u"text")));
  EXPECT_EQ(Golden("GoldenFetchPlan.bin", plan), plan);

  Mail read;
  ReadFrom(Of(bytes), read);
  EXPECT_EQ(Text(BytesOf(read)), bytes);
  const std::string text = TextForms(read);
  EXPECT_EQ(Golden("GoldenMail.txt", text), text);
}

// quorum-mail's json and make are checked on this file to give it back byte
// for byte (Tests/CMakeLists.txt).
TEST(GoldenForms, CharsetMailFileIsTheMailBuiltHere) {
  const std::string actual = Text(BytesOf(CharsetSamples::MakeMail()));
  EXPECT_EQ(Golden("Charsets/mail--charsets.bin", actual), actual);
}

}  // namespace
