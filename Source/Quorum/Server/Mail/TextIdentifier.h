// Shared core of the single-text values (the identifiers OwnerId, ClientId,
// MailId, MailboxSessionId, and MailboxName, MailboxNamespace): one text,
// compared exactly, hashed as the text, carried on a channel as one string.
// The values derive from it privately and publish its members; it is not
// meant for other use.
#pragma once

#include "Quorum/Server/Mail/Export.h"
#include "Strata/IChannelX.h"
#include "Strata/OChannelX.h"
#include "Strata/UniString.h"

namespace Quorum::Server::Mail::internal {

class QUORUM_MAIL_EXPORT TextIdentifier {
 public:
  const Strata::UniString& GetId() const noexcept { return id_; }
  Strata::UniString ToString() const { return id_; }
  // Strata::UniString::GenerateHashValue of the text.
  unsigned int GenerateHashValue() const noexcept { return id_.GenerateHashValue(); }
  void Write(Strata::OChannelX& channel) const;
  // Takes any text, the empty one included; unchanged if the read fails.
  void Read(Strata::IChannelX& channel);

  bool operator==(const TextIdentifier& other) const noexcept {
    return this == &other || id_ == other.id_;
  }

 protected:
  TextIdentifier() = default;
  // Throws Strata::IllegalArgumentException with `emptyMessage`, recording
  // the given source location, when `id` is empty.
  TextIdentifier(const Strata::UniString& id, const char* emptyMessage, const char* sourceFile,
                 unsigned int sourceLine);

  bool HasText() const noexcept { return !id_.IsEmpty(); }

 private:
  Strata::UniString id_;
};

}  // namespace Quorum::Server::Mail::internal
