// Reads a mail from arbitrary bytes and uses it as a receiver would: every
// typed reading of the mail and of each body part (a refusal must be one of
// the library's exceptions and must not change the mail), every content read
// through its input channel to the size it claims, then a clone, a copy and
// a write that reads back to an equal mail and writes the same bytes again.
// A part whose Content-Size header disagrees with its content (which the
// bytes may well hold) must be refused by Write, and writes once the header
// was rewritten from the content.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "Quorum/Server/Mail/BodyPartHeaders.h"
#include "Quorum/Server/Mail/Mail.h"
#include "StatedSizes.h"
#include "Strata/IChannelX.h"
#include "Strata/IOException.h"
#include "Strata/MemoryIBinaryChannel.h"
#include "Strata/MemoryOBinaryChannel.h"
#include "Strata/OChannelX.h"
#include "Strata/StrataException.h"

using namespace Quorum::Server::Mail;

namespace {

bool ReadFrom(const unsigned char* data, std::size_t size, Mail& mail) {
  Strata::MemoryIBinaryChannel bytes(data, static_cast<unsigned int>(size));
  Strata::IChannelX channel(bytes);
  try {
    mail.Read(channel);
    return true;
  } catch (const Strata::StrataException&) {
    return false;
  }
}

std::vector<unsigned char> BytesOf(const Mail& mail) {
  Strata::MemoryOBinaryChannel bytes;
  Strata::OChannelX channel(bytes);
  mail.Write(channel);
  const unsigned char* data = bytes.GetBuffer();
  return data == nullptr ? std::vector<unsigned char>()
                         : std::vector<unsigned char>(data, data + bytes.GetSize());
}

// Calls `read`; the library's own exceptions are a refusal, anything else
// escapes and fails the run.
template <typename Read>
void Attempt(Read read) {
  try {
    read();
  } catch (const Strata::StrataException&) {
  }
}

// Checks that Write refuses a mail with such a part, then rewrites each such
// header from its content.
void MendStatedSizes(Mail& mail) {
  if (!fuzz::StatesAnotherSize(mail)) return;
  try {
    BytesOf(mail);
    std::abort();  // a Content-Size header promised other bytes than those written
  } catch (const Strata::IOException&) {
  }
  for (const Strata::Ref<BodyPart>& part : mail.GetBodyParts().Enumerate()) {
    if (fuzz::StatesAnotherSize(*part)) part->RemoveHeader(BodyPartHeaders::ContentSize);
  }
}

void ReadTypedValues(Mail& mail) {
  Attempt([&] { mail.GetParentId(); });
  Attempt([&] { mail.GetSubject(); });
  Attempt([&] { mail.GetReplyTo(); });
  Attempt([&] { mail.GetFrom(); });
  Attempt([&] { mail.GetTo(); });
  Attempt([&] { mail.GetImportance(); });
  Attempt([&] { mail.GetReceived(); });
  Attempt([&] { mail.GetSent(); });
}

void ReadBodyPart(BodyPart& part) {
  Attempt([&] { part.GetContentType(); });
  Attempt([&] { part.GetContentSize(); });
  Attempt([&] { part.GetDisposition(); });
  Attempt([&] { part.GetFileName(); });
  const Strata::Ref<BodyPartContent>& content = part.GetContent();
  if (content.IsNull()) return;
  const Strata::Ref<Strata::IBinaryChannel> input = content->GetInputChannel();
  unsigned char buffer[4096];
  unsigned long long total = 0;
  for (unsigned int n; (n = input->Read(buffer, sizeof buffer)) != 0;) total += n;
  input->Close();
  if (total != content->GetSize()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Mail mail;
  if (!ReadFrom(data, size, mail)) return 0;
  MendStatedSizes(mail);
  const std::vector<unsigned char> written = BytesOf(mail);
  ReadTypedValues(mail);
  for (const Strata::Ref<BodyPart>& part : mail.GetBodyParts().Enumerate()) ReadBodyPart(*part);
  if (BytesOf(mail) != written) std::abort();  // reading changed what the mail holds

  const std::unique_ptr<Mail> clone(mail.Clone());
  Mail copy;
  copy = mail;
  if (!(*clone == mail) || !(copy == mail)) std::abort();
  Mail again;
  if (!ReadFrom(written.data(), written.size(), again) || !(again == mail)) std::abort();
  if (BytesOf(again) != written) std::abort();
  return 0;
}
