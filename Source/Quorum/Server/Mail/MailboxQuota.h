#pragma once

#include "Quorum/Server/Mail/Export.h"
#include "Quorum/Server/Mail/UnsignedPair.h"

namespace Quorum::Server::Mail {

/// The limits set on a mailbox: a hard and a soft limit, both unsigned 32-bit
/// and by default the largest value.
///
/// The setters store what they are given; IsValid tells whether soft <=
/// hard. A value type; not thread-safe for mutation.
class QUORUM_MAIL_EXPORT MailboxQuota : private internal::UnsignedPair {
 public:
  /// The given limits, unchecked.
  constexpr MailboxQuota(unsigned int hardLimit = 4294967295u,
                         unsigned int softLimit = 4294967295u) noexcept
      : UnsignedPair(hardLimit, softLimit) {}

  /// The hard limit.
  ///@{
  unsigned int GetHardLimit() const noexcept { return first_; }
  void SetHardLimit(unsigned int hardLimit) noexcept { first_ = hardLimit; }
  ///@}
  /// The soft limit.
  ///@{
  unsigned int GetSoftLimit() const noexcept { return second_; }
  void SetSoftLimit(unsigned int softLimit) noexcept { second_ = softLimit; }
  ///@}

  /// True when the soft limit is not above the hard limit.
  bool IsValid() const noexcept { return second_ <= first_; }

  /// Equal when both limits are.
  bool operator==(const MailboxQuota& other) const noexcept {
    return UnsignedPair::operator==(other);
  }

  /// Hard limit, then soft limit, as unsigned ints.
  void Write(Strata::OChannelX& channel) const { UnsignedPair::Write(channel); }
  /// Reads what Write writes; stores the limits only after both were read.
  void Read(Strata::IChannelX& channel) { UnsignedPair::Read(channel); }
};

}  // namespace Quorum::Server::Mail
