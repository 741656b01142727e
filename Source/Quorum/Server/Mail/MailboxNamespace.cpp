#include "Quorum/Server/Mail/MailboxNamespace.h"

#include "Quorum/Server/Mail/InvalidMailboxNamespaceNameException.h"
#include "Strata/IllegalArgumentException.h"
#include "Strata/Throw.h"

namespace Quorum::Server::Mail {

constinit const Strata::UniChar MailboxNamespace::SeparatorCharacter QUORUM_MAIL_LOAD_TIME_CONSTANT(
    u'/');

namespace {

constexpr Strata::UniChar kUnderscore{u'_'};
constexpr Strata::UniChar kHyphen{u'-'};

constexpr const char* kEmptyName = "Invalid mailbox namespace name: name is empty.";

bool IsNamespaceCharacter(Strata::UniChar c) noexcept {
  return c.IsAlphaNumeric() || c == MailboxNamespace::SeparatorCharacter || c == kUnderscore ||
         c == kHyphen;
}

}  // namespace

MailboxNamespace::MailboxNamespace(const Strata::UniString& name)
    : TextIdentifier(name, kEmptyName, STRATA_HERE) {
  CheckName(name, STRATA_HERE);
}

MailboxNamespace::MailboxNamespace(const Strata::UniString& name, Unchecked)
    : TextIdentifier(name, kEmptyName, STRATA_HERE) {}

bool MailboxNamespace::IsValidName(const Strata::UniString& name) noexcept {
  const unsigned int length = name.GetLength();
  if (length == 0) return false;
  if (name[0] == SeparatorCharacter || name[length - 1] == SeparatorCharacter) return false;
  for (const char16_t unit : name.GetUnits()) {
    if (!IsNamespaceCharacter(unit)) return false;
  }
  return true;
}

bool MailboxNamespace::Parse(const Strata::UniString& text, MailboxNamespace& name) {
  if (text.IsEmpty()) {
    STRATA_THROW(Strata::IllegalArgumentException,
                 "Invalid mailbox namespace string: string is empty.");
  }
  if (!IsValidName(text)) return false;
  name = MailboxNamespace(text, Unchecked{});
  return true;
}

MailboxNamespace& MailboxNamespace::Append(const MailboxNamespace& other) {
  if (other.IsEmpty()) {
    STRATA_THROW(Strata::IllegalArgumentException,
                 "Invalid mailbox namespace: namespace is empty.");
  }
  if (IsEmpty()) {
    *this = other;
    return *this;
  }
  Strata::UniString path;
  path.Reserve(GetName().GetLength() + 1 + other.GetName().GetLength());
  path.Append(GetName()).Append(SeparatorCharacter).Append(other.GetName());
  *this = MailboxNamespace(path, Unchecked{});
  return *this;
}

MailboxNamespace& MailboxNamespace::Append(const Strata::UniString& name) {
  if (name.IsEmpty()) STRATA_THROW(Strata::IllegalArgumentException, kEmptyName);
  return Append(MailboxNamespace(name));
}

MailboxNamespace MailboxNamespace::GetParent() const {
  const unsigned int last = GetName().FindLast(SeparatorCharacter);
  if (last == Strata::UniString::NotFound) return MailboxNamespace();
  return MailboxNamespace(GetName().GetSubstring(0, last));
}

void MailboxNamespace::CheckName(const Strata::UniString& name, const char* sourceFile,
                                 unsigned int sourceLine) const {
  if (!IsValidName(name)) {
    throw InvalidMailboxNamespaceNameException(
        Strata::UniString::Format("Invalid mailbox namespace name: '%T'", name), sourceFile,
        sourceLine);
  }
}

}  // namespace Quorum::Server::Mail
