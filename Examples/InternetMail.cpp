// Mapping an internet message into a Mail without losing a byte.
//
// A hand-written message (multipart, a Latin-1 text part, an attachment, two
// attachments of the same file name, repeated Received lines) is split by
// hand, as a server that has already parsed its MIME structure would hand it
// over. Where the model would drop something, the mapping keeps it:
// - the model keeps one value per header name, so a repeated line is appended
//   to the first one's value as it stood ("...\r\nReceived: ..."); values
//   are stored without the space after the colon, and every line here has
//   one;
// - body parts are keyed by name, so each part gets a name of its own
//   ("msg.txt", "msg.txt (2)"); its headers stay as they came;
// - the preamble and epilogue of the multipart body become parts of their own;
// - contents are made by the default factory from the part's headers, so a
//   text part keeps its bytes and reads as text in its charset.
// The mail is written, read back, and the message rebuilt from what was read
// must equal the original byte for byte. Transfer encodings are left as they
// stand, so the attachment keeps its base64 lines. The exit code is non-zero
// if any check fails.
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "Quorum/Server/Mail/BodyPart.h"
#include "Quorum/Server/Mail/BodyPartHeaders.h"
#include "Quorum/Server/Mail/Contents/TextContent.h"
#include "Quorum/Server/Mail/DefaultBodyPartContentFactory.h"
#include "Quorum/Server/Mail/Mail.h"
#include "Strata/WholeValue.h"

using namespace Quorum::Server::Mail;

namespace {

const std::string kMessage =
    "Received: from relay.example.net by mx.example.org; Tue, 2 Dec 2025 10:00:02 +0100\r\n"
    "Received: from [192.0.2.7] (helo=laptop)\r\n"
    "\tby relay.example.net; Tue, 2 Dec 2025 10:00:01 +0100\r\n"
    "From: =?iso-8859-1?Q?Jos=E9?= <jose@example.net>\r\n"
    "To: ana@example.org\r\n"
    "Subject: Fotos y notas\r\n"
    "MIME-Version: 1.0\r\n"
    "Content-Type: multipart/mixed; boundary=\"b1\"\r\n"
    "\r\n"
    "This is a multi-part message in MIME format.\r\n"
    "--b1\r\n"
    "Content-Type: text/plain; charset=\"iso-8859-1\"\r\n"
    "Content-Transfer-Encoding: 8bit\r\n"
    "\r\n"
    "\xA1Hola Ana! Aqu\xED van la foto y las notas.\r\n"
    "--b1\r\n"
    "Content-Type: image/png; name=\"dot.png\"\r\n"
    "Content-Disposition: attachment; filename=\"dot.png\"\r\n"
    "Content-Transfer-Encoding: base64\r\n"
    "\r\n"
    "iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVR42mNk+M9QDwADhgGAWjR9awAAAABJRU5E\r\n"
    "rkJggg==\r\n"
    "--b1\r\n"
    "Content-Type: text/plain; name=\"msg.txt\"\r\n"
    "Content-Disposition: attachment; filename=\"msg.txt\"\r\n"
    "\r\n"
    "Primera nota.\r\n"
    "--b1\r\n"
    "Content-Type: text/plain; name=\"msg.txt\"\r\n"
    "Content-Disposition: attachment; filename=\"msg.txt\"\r\n"
    "\r\n"
    "Segunda nota.\r\n"
    "--b1--\r\n";

int failures = 0;

void Check(bool ok, const std::string& what) {
  std::printf("  [%s] %s\n", ok ? "ok" : "FAILED", what.c_str());
  if (!ok) ++failures;
}

Strata::UniString Text(std::string_view ascii) { return Strata::UniString(ascii); }

// A header block (each field ending in CRLF, continuation lines included) as
// Headers. A value is stored without the space after the colon, so that it
// reads as the model expects ("text/plain; ..."); the rebuild puts one back.
// A repeated name gets the later line appended to the first one's value as
// it stood, so the block can be written again unchanged.
Headers ToHeaders(std::string_view block) {
  Headers headers;
  while (!block.empty()) {
    std::size_t end = block.find("\r\n");
    while (end + 2 < block.size() && (block[end + 2] == ' ' || block[end + 2] == '\t')) {
      end = block.find("\r\n", end + 2);
    }
    const std::string_view field = block.substr(0, end);
    block.remove_prefix(end + 2);
    const std::size_t colon = field.find(':');
    const Strata::UniString name = Text(field.substr(0, colon));
    const std::size_t start = colon + (field.substr(colon).starts_with(": ") ? 2 : 1);
    Strata::UniString value = Text(field.substr(start));
    Header first;
    if (headers.Get(name, first)) {
      value = first.GetValue() + Text("\r\n") + name + Text(": ") + value;
      headers.Set(first.GetName(), value);
    } else {
      headers.Set(name, value);
    }
  }
  return headers;
}

// The header block again, leaving out the model's own Content-Size.
std::string FromHeaders(const Headers& headers) {
  std::string block;
  for (const Header& header : headers) {
    const bool own = header.GetName().IsEqual(BodyPartHeaders::ContentSize,
                                              Strata::CaseSensitivity::Insensitive);
    if (!own) block += header.GetName().ToCStr() + ": " + header.GetValue().ToCStr() + "\r\n";
  }
  return block;
}

// Splits an entity at the empty line after its headers.
std::pair<std::string_view, std::string_view> SplitEntity(std::string_view entity) {
  if (entity.starts_with("\r\n")) return {{}, entity.substr(2)};
  const std::size_t end = entity.find("\r\n\r\n");
  if (end == std::string_view::npos) throw std::runtime_error("no empty line after the headers");
  return {entity.substr(0, end + 2), entity.substr(end + 4)};
}

// The quoted parameter `name` of a header value; empty when there is none.
std::string Parameter(std::string_view value, std::string_view name) {
  const std::size_t at = value.find(std::string(name) + "=\"");
  if (at == std::string_view::npos) return {};
  const std::size_t start = at + name.size() + 2;
  return std::string(value.substr(start, value.find('"', start) - start));
}

// A body part of the given headers and bytes, its content made as Mail::Read
// makes it, under a name no other part of the mail has yet.
Strata::Ref<BodyPart> MakePart(const Mail& mail, std::string name, const Headers& headers,
                               std::string_view bytes) {
  const std::string base = name;
  for (int n = 2; mail.GetBodyParts().Contains(Text(name)); ++n) {
    name = base + " (" + std::to_string(n) + ")";
  }
  Strata::Ref<BodyPartContent> content = DefaultBodyPartContentFactory().Create(headers);
  const Strata::Ref<Strata::OBinaryChannel> channel = content->GetOutputChannel();
  channel->Write(reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned int>(bytes.size()));
  channel->Close();
  return Strata::MakeRef<BodyPart>(Text(name), headers, content);
}

// The multipart body's delimiter, with the line break before it.
std::string Delimiter(const Mail& mail) {
  Header contentType;
  mail.GetHeader(BodyPartHeaders::ContentType, contentType);
  return "\r\n--" + Parameter(contentType.GetValue().ToCStr(), "boundary");
}

std::string ContentOf(const BodyPart& part) {
  const std::vector<std::byte> bytes = part.GetContent()->ReadAllBytes();
  return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

Mail MapMessage(std::string_view message) {
  const auto [block, body] = SplitEntity(message);
  Mail mail(MailId("internet-0001"), ToHeaders(block), {}, {});
  const std::string delimiter = Delimiter(mail);

  // Each piece but the first starts after a delimiter; the last starts with
  // the "--" that closes the body.
  const std::string rest = "\r\n" + std::string(body);
  std::vector<std::string_view> pieces;
  for (std::size_t start = 0;;) {
    const std::size_t next = rest.find(delimiter, start);
    pieces.push_back(std::string_view(rest).substr(start, next - start));
    if (next == std::string::npos) break;
    start = next + delimiter.size();
  }
  mail.GetBodyParts().Add(MakePart(mail, "(preamble)", {}, pieces.front()));
  for (std::size_t i = 1; i + 1 < pieces.size(); ++i) {
    const auto [partBlock, bytes] = SplitEntity(pieces[i].substr(2));  // after the CRLF
    const Headers headers = ToHeaders(partBlock);
    Header disposition;
    headers.Get(BodyPartHeaders::ContentDisposition, disposition);
    const std::string name = Parameter(disposition.GetValue().ToCStr(), "filename");
    mail.GetBodyParts().Add(
        MakePart(mail, name.empty() ? "part " + std::to_string(i) : name, headers, bytes));
  }
  mail.GetBodyParts().Add(MakePart(mail, "(epilogue)", {}, pieces.back().substr(2)));
  return mail;
}

// The message again from the mail: the inverse of MapMessage.
std::string RebuildMessage(const Mail& mail) {
  const std::string delimiter = Delimiter(mail);
  std::string rest;
  for (const Strata::Ref<BodyPart>& part : mail.GetBodyParts()) {
    const std::string name = part->GetName().ToCStr();
    if (name == "(preamble)") {
      rest += ContentOf(*part);
    } else if (name == "(epilogue)") {
      rest += delimiter + "--" + ContentOf(*part);
    } else {
      rest += delimiter + "\r\n" + FromHeaders(part->GetHeaders()) + "\r\n" + ContentOf(*part);
    }
  }
  return FromHeaders(mail.GetHeaders()) + "\r\n" + rest.substr(2);
}

}  // namespace

int main() {
  try {
    std::printf("Mapping a message of %zu bytes\n", kMessage.size());
    const Mail mail = MapMessage(kMessage);
    std::printf("  %u headers, %u body parts:", mail.GetHeaderCount(),
                mail.GetBodyParts().GetSize());
    for (const Strata::Ref<BodyPart>& part : mail.GetBodyParts()) {
      std::printf(" '%s'", part->GetName().ToCStr().c_str());
    }
    std::printf("\n");

    const std::vector<std::byte> written = Strata::ToBytes(mail);
    Mail read = Strata::FromBytes<Mail>(written);
    std::printf("Written as %zu bytes and read back\n", written.size());
    Check(read == mail, "the mail read back equals the one written");
    Check(RebuildMessage(read) == kMessage,
          "the message rebuilt from it is byte for byte the same");

    Header received;
    read.GetHeader("Received", received);
    Check(received.GetValue().ToCStr().find("\r\nReceived: from [192.0.2.7]") != std::string::npos,
          "both Received lines are in the one Received header, in order");
    Check(read.GetBodyParts().Contains(Text("msg.txt")) &&
              read.GetBodyParts().Contains(Text("msg.txt (2)")),
          "the two attachments named msg.txt are two body parts");

    const Strata::Ref<BodyPart> text = read.GetBodyParts().Get(Text("part 1"));
    const auto& content = dynamic_cast<const Contents::TextContent&>(*text->GetContent());
    const std::string line = content.GetText().ToCStr();
    std::printf("The Latin-1 part reads as: %s\n", line.substr(0, line.find('\r')).c_str());
    Check(content.GetCharset() == Text("iso-8859-1") &&
              content.GetText().ToCStr().starts_with("\xC2\xA1Hola Ana! Aqu\xC3\xAD"),
          "its text is decoded from ISO-8859-1");
    Check(ContentOf(*text).starts_with("\xA1Hola") &&
              text->GetContentSize() == ContentOf(*text).size(),
          "its bytes are the message's, and Content-Size counts them");
  } catch (const std::exception& e) {
    std::printf("failed: %s\n", e.what());
    return 1;
  }
  if (failures != 0) {
    std::printf("%d checks failed.\n", failures);
    return 1;
  }
  std::printf("Nothing was lost.\n");
  return 0;
}
