#pragma once

#include "Quorum/Server/Mail/Export.h"
#include "Quorum/Server/Mail/UnsignedPair.h"

namespace Quorum::Server::Mail {

/// How much of a mailbox is used: its size and its mail count, both unsigned
/// 32-bit, 0 by default, with no unit and no rule.
///
/// A value type; not thread-safe for mutation.
class QUORUM_MAIL_EXPORT MailboxUsage : private internal::UnsignedPair {
 public:
  /// The given numbers.
  constexpr MailboxUsage(unsigned int mailboxSize = 0, unsigned int mailCount = 0) noexcept
      : UnsignedPair(mailboxSize, mailCount) {}

  /// The size of the mailbox.
  ///@{
  unsigned int GetMailboxSize() const noexcept { return first_; }
  void SetMailboxSize(unsigned int mailboxSize) noexcept { first_ = mailboxSize; }
  ///@}
  /// The number of mails.
  ///@{
  unsigned int GetMailCount() const noexcept { return second_; }
  void SetMailCount(unsigned int mailCount) noexcept { second_ = mailCount; }
  ///@}

  /// Equal when both numbers are.
  bool operator==(const MailboxUsage& other) const noexcept {
    return UnsignedPair::operator==(other);
  }

  /// Mailbox size, then mail count, as unsigned ints.
  void Write(Strata::OChannelX& channel) const { UnsignedPair::Write(channel); }
  /// Reads what Write writes; stores the numbers only after both were read.
  void Read(Strata::IChannelX& channel) { UnsignedPair::Read(channel); }
};

}  // namespace Quorum::Server::Mail
