// MailboxQuota holds the limits set on a mailbox: a hard and a soft limit,
// both unsigned 32-bit and by default the largest value. The setters store
// what they are given; IsValid tells whether soft <= hard.
// A value type; not thread-safe for mutation.
#pragma once

#include "Quorum/Server/Mail/Export.h"
#include "Quorum/Server/Mail/UnsignedPair.h"

namespace Quorum::Server::Mail {

class QUORUM_MAIL_EXPORT MailboxQuota : private internal::UnsignedPair {
 public:
  constexpr MailboxQuota(unsigned int hardLimit = 4294967295u,
                         unsigned int softLimit = 4294967295u) noexcept
      : UnsignedPair(hardLimit, softLimit) {}

  unsigned int GetHardLimit() const noexcept { return first_; }
  void SetHardLimit(unsigned int hardLimit) noexcept { first_ = hardLimit; }
  unsigned int GetSoftLimit() const noexcept { return second_; }
  void SetSoftLimit(unsigned int softLimit) noexcept { second_ = softLimit; }

  // True when the soft limit is not above the hard limit.
  bool IsValid() const noexcept { return second_ <= first_; }

  bool operator==(const MailboxQuota& other) const noexcept {
    return UnsignedPair::operator==(other);
  }

  // Hard limit, then soft limit, as unsigned ints; Read stores them after both were read.
  using UnsignedPair::Read;
  using UnsignedPair::Write;
};

}  // namespace Quorum::Server::Mail
