// Internal: the shared core of MailboxQuota and MailboxUsage, two unsigned
// 32-bit numbers compared together and carried on a channel as two unsigned
// ints, first then second. The records derive from it privately and name the
// two numbers; it is not meant for other use.
#pragma once

#include "Quorum/Server/Mail/Export.h"
#include "Strata/IChannelX.h"
#include "Strata/OChannelX.h"

namespace Quorum::Server::Mail::internal {

class QUORUM_MAIL_EXPORT UnsignedPair {
 public:
  void Write(Strata::OChannelX& channel) const;
  // Stores both numbers only after both were read.
  void Read(Strata::IChannelX& channel);

  bool operator==(const UnsignedPair& other) const noexcept {
    return first_ == other.first_ && second_ == other.second_;
  }

 protected:
  constexpr UnsignedPair(unsigned int first, unsigned int second) noexcept
      : first_(first), second_(second) {}

  unsigned int first_;
  unsigned int second_;
};

}  // namespace Quorum::Server::Mail::internal
