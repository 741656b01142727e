#pragma once

#include "Quorum/Server/Mail/Export.h"
#include "Quorum/Server/Mail/TextIdentifier.h"
#include "Strata/Hashing.h"

namespace Quorum::Server::Mail {

/// MailboxSessionId names one session in which a client has a mailbox open.
///
/// It is an opaque, case-sensitive text: any non-empty text is a valid id,
/// and two ids are equal when their texts are. A default-constructed
/// MailboxSessionId, or one read from a channel, may be empty.
class QUORUM_MAIL_EXPORT MailboxSessionId : private internal::TextIdentifier {
 public:
  /// The empty id.
  MailboxSessionId() = default;
  /// The id `id`. Throws Strata::IllegalArgumentException "Invalid mailbox session id: id is
  /// empty." when it is empty.
  explicit MailboxSessionId(const Strata::UniString& id);

  /// The text.
  const Strata::UniString& GetId() const noexcept { return TextIdentifier::GetId(); }
  /// True when the text is not empty.
  bool IsValid() const noexcept { return HasText(); }

  /// The text, unchanged.
  Strata::UniString ToString() const { return TextIdentifier::ToString(); }
  /// Strata::UniString::GenerateHashValue of the text.
  unsigned int GenerateHashValue() const noexcept { return TextIdentifier::GenerateHashValue(); }

  /// The text as one string.
  void Write(Strata::OChannelX& channel) const { TextIdentifier::Write(channel); }
  /// Takes any text, the empty one included; unchanged if the read fails.
  void Read(Strata::IChannelX& channel) { TextIdentifier::Read(channel); }

  /// Equal when the texts are.
  bool operator==(const MailboxSessionId& other) const noexcept {
    return TextIdentifier::operator==(other);
  }
};

}  // namespace Quorum::Server::Mail

STRATA_HASH_BY_VALUE(Quorum::Server::Mail::MailboxSessionId);
