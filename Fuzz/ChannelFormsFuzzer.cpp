// Feeds arbitrary bytes to the channel readers. The first byte picks the
// value type; the rest is the channel. A read may fail, but only with a
// Strata exception and without touching the target; a read that succeeds
// must write bytes that read back to an equal value. The one write that may
// be refused is that of a mail whose part states another size in its
// Content-Size header than its content holds: Read keeps such a header.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "Quorum/Server/Mail/AddressList.h"
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
#include "StatedSizes.h"
#include "Strata/IChannelX.h"
#include "Strata/IOException.h"
#include "Strata/MemoryIBinaryChannel.h"
#include "Strata/MemoryOBinaryChannel.h"
#include "Strata/OChannelX.h"
#include "Strata/StrataException.h"

using namespace Quorum::Server::Mail;

namespace {

template <typename T>
bool ReadFrom(const unsigned char* data, unsigned int size, T& value) {
  Strata::MemoryIBinaryChannel bytes(data, size);
  Strata::IChannelX channel(bytes);
  try {
    value.Read(channel);
    return true;
  } catch (const Strata::StrataException&) {
    return false;
  }
}

// Writes the value; false when Write refused it as it may.
template <typename T>
bool WriteTo(const T& value, Strata::OChannelX& channel) {
  value.Write(channel);
  return true;
}

template <>
bool WriteTo(const Mail& mail, Strata::OChannelX& channel) {
  try {
    mail.Write(channel);
    return true;
  } catch (const Strata::IOException&) {
    if (!fuzz::StatesAnotherSize(mail)) throw;
    return false;
  }
}

template <typename T>
void Check(const unsigned char* data, unsigned int size) {
  T value;
  if (!ReadFrom(data, size, value)) {
    if (!(value == T())) std::abort();  // a failed read changed the target
    return;
  }
  Strata::MemoryOBinaryChannel written;
  Strata::OChannelX channel(written);
  if (!WriteTo(value, channel)) return;
  T again;
  if (!ReadFrom(written.GetBuffer(), written.GetSize(), again) || !(again == value)) std::abort();
}

}  // namespace

// One checker per value type; the first input byte picks it (modulo the
// count). The seed generator writes its seeds in this order too.
using Checker = void (*)(const unsigned char*, unsigned int);
const Checker kCheckers[] = {
    Check<Mail>,         Check<AddressList>,  Check<MailFetchPlan>, Check<MailboxSessionInfo>,
    Check<Date>,         Check<Importance>,   Check<Disposition>,   Check<MailboxAccess>,
    Check<MailboxQuota>, Check<MailboxUsage>, Check<Parameters>,    Check<Parameter>,
};

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  constexpr std::size_t count = sizeof kCheckers / sizeof kCheckers[0];
  kCheckers[data[0] % count](data + 1, static_cast<unsigned int>(size - 1));
  return 0;
}
