#pragma once

#include "Quorum/Server/Mail/Export.h"
#include "Quorum/Server/Mail/MailboxId.h"
#include "Strata/Hashing.h"
#include "Strata/IChannelX.h"
#include "Strata/OChannelX.h"
#include "Strata/UniString.h"

namespace Quorum::Server::Mail {

class AddressList;

/// One mail participant: a mailbox id and a personal (display) name, stored
/// unquoted.
///
/// Its text form is the quoted personal name, " <", the mailbox id's text
/// form and ">", as in `"Ann \"Jr\"" <:Inbox:ann>`. The validating
/// constructors never build an invalid address; default construction and
/// Read can. A mailbox id whose text holds '>' is not valid in an address:
/// the text form could not carry it, and printing it would let the rest of
/// its text pass for further addresses. A value type; not thread-safe for
/// mutation.
class QUORUM_MAIL_EXPORT Address {
 public:
  /// Empty mailbox id and name; not valid.
  Address() = default;
  /// The address of `mailboxId` named `personal`. Throws
  /// Strata::IllegalArgumentException "Invalid mailbox id: mailbox id is not
  /// valid." (also for a mailbox id holding '>') or, after that check,
  /// "Invalid personal name: name is empty.".
  Address(const MailboxId& mailboxId, const Strata::UniString& personal);
  /// Parses the text form, as Parse does. Throws
  /// Strata::IllegalArgumentException for the empty text and
  /// InvalidAddressException "Invalid address: '<text>'." when it does not
  /// parse.
  explicit Address(const Strata::UniString& text);

  /// The mailbox id.
  const MailboxId& GetMailboxId() const noexcept { return mailboxId_; }
  /// The personal name, unquoted.
  const Strata::UniString& GetPersonal() const noexcept { return personal_; }

  /// Mailbox id valid and free of '>', and personal name not empty.
  bool IsValid() const noexcept;

  /// Equal mailbox ids and personal names, exactly.
  bool operator==(const Address& other) const noexcept;

  /// (hash(mailbox id) + 629) * 37 + hash(personal), 32-bit wrap.
  unsigned int GenerateHashValue() const noexcept;

  /// The text form; the empty text when the address is not valid.
  Strata::UniString ToString() const;
  /// Parses one address. The whole text must be one address: no white space
  /// before the quotation mark or after '>'; any number of spaces (U+0020)
  /// between the name and '<'. False, with `address` untouched, on malformed
  /// text. Throws Strata::IllegalArgumentException "Invalid address string:
  /// string is empty." for the empty text.
  static bool Parse(const Strata::UniString& text, Address& address);

  /// The mailbox id (three strings), then the personal name.
  void Write(Strata::OChannelX& channel) const;
  /// Validates nothing; unchanged when the channel throws.
  void Read(Strata::IChannelX& channel);

 private:
  friend class AddressList;

  // Appends the text form of a valid address to `out`.
  QUORUM_MAIL_LOCAL void AppendTo(Strata::UniString& out) const;
  // Scans one address at `position` of `text`. On success stores it in `address`, moves
  // `position` just past its '>' and returns true; otherwise touches neither.
  QUORUM_MAIL_LOCAL static bool Scan(const Strata::UniString& text, unsigned int& position,
                                     Address& address);

  MailboxId mailboxId_;
  Strata::UniString personal_;
};

}  // namespace Quorum::Server::Mail

STRATA_HASH_BY_VALUE(Quorum::Server::Mail::Address);
