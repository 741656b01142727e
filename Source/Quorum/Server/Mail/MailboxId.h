#pragma once

#include <string_view>

#include "Quorum/Server/Mail/Export.h"
#include "Quorum/Server/Mail/MailboxName.h"
#include "Quorum/Server/Mail/MailboxNamespace.h"
#include "Quorum/Server/Mail/OwnerId.h"
#include "Strata/Hashing.h"
#include "Strata/IChannelX.h"
#include "Strata/OChannelX.h"
#include "Strata/UniString.h"

namespace Quorum::Server::Mail {

/// Identifies one mailbox by its namespace, its name and its owner.
///
/// Its text form is "<namespace>:<name>:<owner>"; since neither a namespace
/// nor a name may hold a colon, the first two colons always separate the
/// parts and the owner keeps any further ones. An id is valid when its name
/// is not empty. A value type; not thread-safe for mutation.
class QUORUM_MAIL_EXPORT MailboxId {
 public:
  /// All three parts empty; not valid.
  MailboxId() = default;
  /// The id of the given parts; takes the namespace and the owner as given.
  /// Throws Strata::IllegalArgumentException "Invalid mailbox name: mailbox
  /// name is not valid." when `name` is empty.
  MailboxId(const MailboxNamespace& mailboxNamespace, const MailboxName& name,
            const OwnerId& owner);
  /// Parses the text form, as Parse does. Throws
  /// Strata::IllegalArgumentException for the empty text and
  /// InvalidMailboxIdException "Invalid mailbox id: '<text>'." when it does
  /// not parse.
  explicit MailboxId(const Strata::UniString& text);

  /// The namespace; may be empty.
  const MailboxNamespace& GetMailboxNamespace() const noexcept { return namespace_; }
  /// The name; empty only in an invalid id.
  const MailboxName& GetMailboxName() const noexcept { return name_; }
  /// The owner; may be empty.
  const OwnerId& GetOwnerId() const noexcept { return owner_; }

  /// True when the name is not empty.
  bool IsValid() const noexcept { return name_.IsValid(); }

  /// Equal namespaces, names and owners.
  bool operator==(const MailboxId& other) const noexcept;

  /// 17, then for namespace, name and owner: multiply by 37 and add the
  /// part's hash (32-bit wrap).
  unsigned int GenerateHashValue() const noexcept;

  /// The text form; the empty text when the id is not valid.
  Strata::UniString ToString() const;
  /// False, with `id` untouched, when `text` is not a text form whose
  /// namespace part is empty or a valid namespace, whose name part is a
  /// valid name. Throws Strata::IllegalArgumentException "Invalid mailbox id
  /// string: string is empty." for the empty text.
  static bool Parse(const Strata::UniString& text, MailboxId& id);

  /// Three strings: namespace, name, owner.
  void Write(Strata::OChannelX& channel) const;
  /// Validates nothing; unchanged when the channel throws.
  void Read(Strata::IChannelX& channel);

 private:
  // Address scans its mailbox id over the units between the angle brackets.
  friend class Address;

  // Parse over units, which may be empty (then false).
  QUORUM_MAIL_LOCAL static bool ParseUnits(std::u16string_view text, MailboxId& id);

  MailboxNamespace namespace_;
  MailboxName name_;
  OwnerId owner_;
};

}  // namespace Quorum::Server::Mail

STRATA_HASH_BY_VALUE(Quorum::Server::Mail::MailboxId);
