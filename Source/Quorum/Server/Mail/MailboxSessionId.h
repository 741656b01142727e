// MailboxSessionId names one session in which a client has a mailbox open. It is an opaque,
// case-sensitive text: any non-empty text is a valid id, and two ids are equal when their texts
// are. A default-constructed MailboxSessionId, or one read from a channel, may be empty.
#pragma once

#include "Quorum/Server/Mail/Export.h"
#include "Quorum/Server/Mail/TextIdentifier.h"
#include "Strata/Hashing.h"

namespace Quorum::Server::Mail {

class QUORUM_MAIL_EXPORT MailboxSessionId : private internal::TextIdentifier {
 public:
  MailboxSessionId() = default;
  // Throws Strata::IllegalArgumentException "Invalid mailbox session id: id is empty." when `id` is
  // empty.
  explicit MailboxSessionId(const Strata::UniString& id);

  using TextIdentifier::GenerateHashValue;
  using TextIdentifier::GetId;
  using TextIdentifier::Read;
  using TextIdentifier::ToString;
  using TextIdentifier::Write;

  bool IsValid() const noexcept { return HasText(); }

  bool operator==(const MailboxSessionId& other) const noexcept {
    return TextIdentifier::operator==(other);
  }
};

}  // namespace Quorum::Server::Mail

STRATA_HASH_BY_VALUE(Quorum::Server::Mail::MailboxSessionId);
