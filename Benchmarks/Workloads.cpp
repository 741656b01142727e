#include "Workloads.h"

#include <random>

#include "Quorum/Commons/DataBuffer.h"
#include "Quorum/Server/Mail/BodyPart.h"
#include "Quorum/Server/Mail/Contents/MemoryContent.h"
#include "Strata/IChannelX.h"
#include "Strata/MemoryIBinaryChannel.h"
#include "Strata/MemoryOBinaryChannel.h"
#include "Strata/OChannelX.h"

namespace QuorumBenchmarks {

using namespace Quorum::Server::Mail;

namespace {

std::string PrintableBytes(unsigned int count, unsigned int seed) {
  std::mt19937 random(seed);
  std::string bytes(count, ' ');
  for (char& byte : bytes) byte = static_cast<char>(' ' + random() % 95);
  return bytes;
}

Strata::Ref<BodyPartContent> ContentOf(const std::string& bytes) {
  Quorum::Commons::DataBuffer<unsigned char> buffer(
      reinterpret_cast<const unsigned char*>(bytes.data()),
      static_cast<unsigned int>(bytes.size()));
  return Strata::MakeRef<Contents::MemoryContent>(buffer);
}

}  // namespace

std::string HeaderName(unsigned int number) { return "X-Header-" + std::to_string(number); }

std::string HeaderValue(unsigned int number) {
  std::string value = "value of header number " + std::to_string(number) + " ";
  value.resize(40, 'x');
  return value;
}

std::vector<unsigned int> ShuffledOrder(unsigned int count) {
  std::vector<unsigned int> order(count);
  for (unsigned int i = 0; i < count; ++i) order[i] = i;
  // Fisher-Yates with mt19937, whose output the standard fixes (unlike
  // std::shuffle's use of it).
  std::mt19937 random(19u);
  for (unsigned int i = count; i > 1; --i) std::swap(order[i - 1], order[random() % i]);
  return order;
}

Mail RealisticMail(PartKind kind) {
  Mail mail(MailId("msg-0001@example.org"));
  for (unsigned int n = 1; n <= 50; ++n) {
    mail.SetHeader(HeaderName(n).c_str(), HeaderValue(n).c_str());
  }
  for (unsigned int p = 1; p <= 3; ++p) {
    Headers headers;
    headers.Set("Content-Type",
                kind == PartKind::Text ? "text/plain; charset=utf-8" : "application/octet-stream");
    headers.Set("Content-Transfer-Encoding", "8bit");
    headers.Set("Content-Disposition", "inline");
    mail.GetBodyParts().Add(
        Strata::MakeRef<BodyPart>(Strata::UniString(("part" + std::to_string(p)).c_str()), headers,
                                  ContentOf(PrintableBytes(1024, p))));
  }
  for (const char* flag : {"\\Seen", "\\Answered", "\\Flagged", "$Label1", "$Forwarded"}) {
    mail.GetFlags().Set(flag);
  }
  return mail;
}

Mail EasyMail() {
  Mail mail(MailId("mail-0001"));
  for (unsigned int i = 0; i < 50; ++i) {
    mail.SetHeader(Strata::UniString::Format("X-Header-%u", i),
                   Strata::UniString(std::u16string(40, u'v')));
  }
  for (unsigned int p = 0; p < 3; ++p) {
    std::string bytes(1024, '\0');
    for (unsigned int i = 0; i < 1024; ++i) bytes[i] = static_cast<char>(i * 31u);
    auto part = Strata::MakeRef<BodyPart>(Strata::UniString::Format("part-%u", p));
    part->SetContentType("application/octet-stream");
    part->SetHeader("X-One", "first value");
    part->SetContent(ContentOf(bytes));
    mail.GetBodyParts().Add(part);
  }
  for (const char* flag : {"Seen", "Answered", "Flagged", "$Label1", "$Label2"}) {
    mail.GetFlags().Set(flag);
  }
  return mail;
}

std::vector<unsigned char> ChannelForm(const Mail& mail) {
  Strata::MemoryOBinaryChannel memory;
  Strata::OChannelX channel(memory);
  mail.Write(channel);
  return {memory.GetBuffer(), memory.GetBuffer() + memory.GetSize()};
}

Mail ReadBack(const std::vector<unsigned char>& form) {
  Strata::MemoryIBinaryChannel memory(form.data(), static_cast<unsigned int>(form.size()));
  Strata::IChannelX channel(memory);
  Mail mail;
  mail.Read(channel);
  return mail;
}

std::string ContentBytes(const BodyPart& part) {
  std::string bytes;
  if (part.GetContent().IsNull()) return bytes;
  const Strata::Ref<Strata::IBinaryChannel> input = part.GetContent()->GetInputChannel();
  unsigned char buffer[4096];
  for (unsigned int got; (got = input->Read(buffer, sizeof buffer)) != 0;) {
    bytes.append(reinterpret_cast<const char*>(buffer), got);
  }
  input->Close();
  return bytes;
}

}  // namespace QuorumBenchmarks
