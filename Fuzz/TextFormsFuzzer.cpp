// Feeds arbitrary text to every parser of a text form. A parser may refuse
// the text (false, or IllegalArgumentException for the empty text) but must
// never crash, and whatever it accepts must print to a text that parses back
// to an equal value.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "Quorum/Server/Mail/Address.h"
#include "Quorum/Server/Mail/AddressList.h"
#include "Quorum/Server/Mail/ContentDisposition.h"
#include "Quorum/Server/Mail/Date.h"
#include "Quorum/Server/Mail/Importance.h"
#include "Quorum/Server/Mail/MailboxAccess.h"
#include "Quorum/Server/Mail/MailboxId.h"
#include "Quorum/Server/Mail/Parameter.h"
#include "Quorum/Server/Mail/Parameters.h"
#include "Strata/IllegalArgumentException.h"

using namespace Quorum::Server::Mail;

namespace {

// Parses `text`; when accepted, checks that the printed form parses back to
// an equal value.
template <typename T>
void CheckRoundTrip(const Strata::UniString& text) {
  T value;
  try {
    if (!T::Parse(text, value)) return;
  } catch (const Strata::IllegalArgumentException&) {
    return;  // the empty text, or a disposition text that begins with ';'
  }
  const Strata::UniString printed = value.ToString();
  T again;
  if (!T::Parse(printed, again) || !(again == value)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Strata::UniString text(reinterpret_cast<const char*>(data), static_cast<unsigned int>(size),
                               Strata::CharacterCode::UTF8);
  CheckRoundTrip<MailboxId>(text);
  CheckRoundTrip<Address>(text);
  CheckRoundTrip<AddressList>(text);
  CheckRoundTrip<Parameter>(text);
  CheckRoundTrip<Parameters>(text);
  CheckRoundTrip<ContentDisposition>(text);
  CheckRoundTrip<Date>(text);
  CheckRoundTrip<Importance>(text);
  CheckRoundTrip<MailboxAccess>(text);
  return 0;
}
