#include "Quorum/Server/Mail/MailboxId.h"

#include "Quorum/Server/Mail/InvalidMailboxIdException.h"
#include "Strata/IllegalArgumentException.h"
#include "Strata/Throw.h"

namespace Quorum::Server::Mail {
namespace {

constexpr char16_t kColon = u':';

}  // namespace

MailboxId::MailboxId(const MailboxNamespace& mailboxNamespace, const MailboxName& name,
                     const OwnerId& owner)
    : namespace_(mailboxNamespace), name_(name), owner_(owner) {
  if (!name_.IsValid()) {
    STRATA_THROW(Strata::IllegalArgumentException,
                 "Invalid mailbox name: mailbox name is not valid.");
  }
}

MailboxId::MailboxId(const Strata::UniString& text) {
  if (!Parse(text, *this)) {
    STRATA_THROW(InvalidMailboxIdException,
                 Strata::UniString::Format("Invalid mailbox id: '%T'.", text));
  }
}

bool MailboxId::operator==(const MailboxId& other) const noexcept {
  return this == &other ||
         (namespace_ == other.namespace_ && name_ == other.name_ && owner_ == other.owner_);
}

unsigned int MailboxId::GenerateHashValue() const noexcept {
  unsigned int hash = 17;
  hash = hash * 37 + namespace_.GenerateHashValue();
  hash = hash * 37 + name_.GenerateHashValue();
  hash = hash * 37 + owner_.GenerateHashValue();
  return hash;
}

Strata::UniString MailboxId::ToString() const {
  Strata::UniString text;
  if (!IsValid()) return text;
  text.Reserve(namespace_.GetName().GetLength() + name_.GetName().GetLength() +
               owner_.GetId().GetLength() + 2);
  text.Append(namespace_.GetName())
      .Append(kColon)
      .Append(name_.GetName())
      .Append(kColon)
      .Append(owner_.GetId());
  return text;
}

bool MailboxId::Parse(const Strata::UniString& text, MailboxId& id) {
  if (text.IsEmpty()) {
    STRATA_THROW(Strata::IllegalArgumentException, "Invalid mailbox id string: string is empty.");
  }
  return ParseUnits(text.GetUnits(), id);
}

bool MailboxId::ParseUnits(std::u16string_view text, MailboxId& id) {
  const std::size_t first = text.find(kColon);
  if (first == std::u16string_view::npos) return false;
  const std::size_t second = text.find(kColon, first + 1);
  if (second == std::u16string_view::npos || second == first + 1) return false;

  MailboxNamespace mailboxNamespace;
  if (first > 0 &&
      !MailboxNamespace::Parse(Strata::UniString(text.substr(0, first)), mailboxNamespace)) {
    return false;
  }
  MailboxName name;
  if (!MailboxName::Parse(Strata::UniString(text.substr(first + 1, second - first - 1)), name)) {
    return false;
  }
  OwnerId owner;
  if (second + 1 < text.size()) owner = OwnerId(Strata::UniString(text.substr(second + 1)));

  id.namespace_ = std::move(mailboxNamespace);
  id.name_ = std::move(name);
  id.owner_ = std::move(owner);
  return true;
}

void MailboxId::Write(Strata::OChannelX& channel) const {
  namespace_.Write(channel);
  name_.Write(channel);
  owner_.Write(channel);
}

void MailboxId::Read(Strata::IChannelX& channel) {
  MailboxNamespace mailboxNamespace;
  MailboxName name;
  OwnerId owner;
  mailboxNamespace.Read(channel);
  name.Read(channel);
  owner.Read(channel);
  namespace_ = std::move(mailboxNamespace);
  name_ = std::move(name);
  owner_ = std::move(owner);
}

}  // namespace Quorum::Server::Mail
