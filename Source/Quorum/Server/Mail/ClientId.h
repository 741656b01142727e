#pragma once

#include "Quorum/Server/Mail/Export.h"
#include "Quorum/Server/Mail/TextIdentifier.h"
#include "Strata/Hashing.h"

namespace Quorum::Server::Mail {

/// ClientId names a client connected to the server.
///
/// It is an opaque, case-sensitive text: any non-empty text is a valid id,
/// and two ids are equal when their texts are. A default-constructed
/// ClientId, or one read from a channel, may be empty.
class QUORUM_MAIL_EXPORT ClientId : private internal::TextIdentifier {
 public:
  /// The empty id.
  ClientId() = default;
  /// The id `id`. Throws Strata::IllegalArgumentException "Invalid client id: id is empty." when it
  /// is empty.
  explicit ClientId(const Strata::UniString& id);

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
  bool operator==(const ClientId& other) const noexcept {
    return TextIdentifier::operator==(other);
  }
};

}  // namespace Quorum::Server::Mail

STRATA_HASH_BY_VALUE(Quorum::Server::Mail::ClientId);
