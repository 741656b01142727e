#include "Quorum/Server/Mail/Address.h"

#include "Quorum/Server/Mail/Internal/QuotedText.h"
#include "Quorum/Server/Mail/InvalidAddressException.h"
#include "Strata/IllegalArgumentException.h"
#include "Strata/Throw.h"

namespace Quorum::Server::Mail {
namespace {

constexpr char16_t kSpace = u' ';
constexpr char16_t kLessThan = u'<';
constexpr char16_t kGreaterThan = u'>';

// Skips spaces (U+0020 only) from `position`.
unsigned int SkipSpaces(std::u16string_view units, unsigned int position) noexcept {
  while (position < units.size() && units[position] == kSpace) ++position;
  return position;
}

// The mailbox id text ends at the first '>' of an address text, so an id
// holding one cannot be carried by it.
bool FitsBetweenAngleBrackets(const MailboxId& id) noexcept {
  return id.GetMailboxNamespace().GetName().FindFirst(kGreaterThan) ==
             Strata::UniString::NotFound &&
         id.GetMailboxName().GetName().FindFirst(kGreaterThan) == Strata::UniString::NotFound &&
         id.GetOwnerId().GetId().FindFirst(kGreaterThan) == Strata::UniString::NotFound;
}

}  // namespace

Address::Address(const MailboxId& mailboxId, const Strata::UniString& personal)
    : mailboxId_(mailboxId), personal_(personal) {
  if (!mailboxId_.IsValid() || !FitsBetweenAngleBrackets(mailboxId_)) {
    STRATA_THROW(Strata::IllegalArgumentException, "Invalid mailbox id: mailbox id is not valid.");
  }
  if (personal_.IsEmpty()) {
    STRATA_THROW(Strata::IllegalArgumentException, "Invalid personal name: name is empty.");
  }
}

Address::Address(const Strata::UniString& text) {
  if (!Parse(text, *this)) {
    STRATA_THROW(InvalidAddressException,
                 Strata::UniString::Format("Invalid address: '%T'.", text));
  }
}

bool Address::IsValid() const noexcept {
  return mailboxId_.IsValid() && !personal_.IsEmpty() && FitsBetweenAngleBrackets(mailboxId_);
}

bool Address::operator==(const Address& other) const noexcept {
  return this == &other || (mailboxId_ == other.mailboxId_ && personal_ == other.personal_);
}

unsigned int Address::GenerateHashValue() const noexcept {
  return (mailboxId_.GenerateHashValue() + 629u) * 37u + personal_.GenerateHashValue();
}

Strata::UniString Address::ToString() const {
  Strata::UniString text;
  if (IsValid()) AppendTo(text);
  return text;
}

void Address::AppendTo(Strata::UniString& out) const {
  internal::AppendQuoted(out, personal_);
  out.Append(kSpace).Append(kLessThan).Append(mailboxId_.ToString()).Append(kGreaterThan);
}

bool Address::Parse(const Strata::UniString& text, Address& address) {
  if (text.IsEmpty()) {
    STRATA_THROW(Strata::IllegalArgumentException, "Invalid address string: string is empty.");
  }
  unsigned int position = 0;
  Address scanned;
  if (!Scan(text, position, scanned) || position != text.GetLength()) return false;
  address = std::move(scanned);
  return true;
}

// quoted-name *" " "<" mailbox-id-text ">"
bool Address::Scan(const Strata::UniString& text, unsigned int& position, Address& address) {
  const std::u16string_view units = text.GetUnits();
  unsigned int next = position;
  Strata::UniString personal;
  if (!internal::ScanQuoted(text, next, personal) || personal.IsEmpty()) return false;

  next = SkipSpaces(units, next);
  if (next + 1 >= units.size() || units[next] != kLessThan) return false;

  const unsigned int idStart = next + 1;
  const unsigned int idEnd = text.FindFirst(kGreaterThan, idStart);
  if (idEnd == Strata::UniString::NotFound || idEnd == idStart) return false;
  MailboxId mailboxId;
  if (!MailboxId::ParseUnits(units.substr(idStart, idEnd - idStart), mailboxId)) return false;

  // Both parts are checked already, and the id cannot hold the '>' that
  // ends it: take them over without the constructor's checks and copies.
  address.mailboxId_ = std::move(mailboxId);
  address.personal_ = std::move(personal);
  position = idEnd + 1;
  return true;
}

void Address::Write(Strata::OChannelX& channel) const {
  mailboxId_.Write(channel);
  channel.WriteUniString(personal_);
}

void Address::Read(Strata::IChannelX& channel) {
  MailboxId mailboxId;
  mailboxId.Read(channel);
  Strata::UniString personal = channel.ReadUniString();
  mailboxId_ = std::move(mailboxId);
  personal_ = std::move(personal);
}

}  // namespace Quorum::Server::Mail
