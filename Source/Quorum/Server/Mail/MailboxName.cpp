#include "Quorum/Server/Mail/MailboxName.h"

#include "Quorum/Server/Mail/InvalidMailboxNameException.h"
#include "Strata/IllegalArgumentException.h"
#include "Strata/Throw.h"

namespace Quorum::Server::Mail {

MailboxName::MailboxName(const Strata::UniString& name)
    : TextIdentifier(name, "Invalid mailbox name: name is empty.", STRATA_HERE) {
  CheckName(name, STRATA_HERE);
}

MailboxName::MailboxName(const Strata::UniString& name, Checked)
    : TextIdentifier(name, "Invalid mailbox name: name is empty.", STRATA_HERE) {}

bool MailboxName::IsValidName(const Strata::UniString& name) noexcept {
  if (name.IsEmpty()) return false;
  for (const char16_t unit : name.GetUnits()) {
    if (!Strata::UniChar(unit).IsAlphaNumeric()) return false;
  }
  return true;
}

bool MailboxName::Parse(const Strata::UniString& text, MailboxName& name) {
  if (text.IsEmpty()) {
    STRATA_THROW(Strata::IllegalArgumentException, "Invalid mailbox name string: string is empty.");
  }
  if (!IsValidName(text)) return false;
  name = MailboxName(text, Checked{});
  return true;
}

void MailboxName::CheckName(const Strata::UniString& name, const char* sourceFile,
                            unsigned int sourceLine) const {
  if (!IsValidName(name)) {
    throw InvalidMailboxNameException(
        Strata::UniString::Format("Invalid mailbox name: '%T'.", name), sourceFile, sourceLine);
  }
}

}  // namespace Quorum::Server::Mail
