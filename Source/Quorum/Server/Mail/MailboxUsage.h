// MailboxUsage tells how much of a mailbox is used: its size and its mail
// count, both unsigned 32-bit, 0 by default, with no unit and no rule.
// A value type; not thread-safe for mutation.
#pragma once

#include "Quorum/Server/Mail/Export.h"
#include "Quorum/Server/Mail/UnsignedPair.h"

namespace Quorum::Server::Mail {

class QUORUM_MAIL_EXPORT MailboxUsage : private internal::UnsignedPair {
 public:
  constexpr MailboxUsage(unsigned int mailboxSize = 0, unsigned int mailCount = 0) noexcept
      : UnsignedPair(mailboxSize, mailCount) {}

  unsigned int GetMailboxSize() const noexcept { return first_; }
  void SetMailboxSize(unsigned int mailboxSize) noexcept { first_ = mailboxSize; }
  unsigned int GetMailCount() const noexcept { return second_; }
  void SetMailCount(unsigned int mailCount) noexcept { second_ = mailCount; }

  bool operator==(const MailboxUsage& other) const noexcept {
    return UnsignedPair::operator==(other);
  }

  // Mailbox size, then mail count, as unsigned ints; Read stores them after both were read.
  using UnsignedPair::Read;
  using UnsignedPair::Write;
};

}  // namespace Quorum::Server::Mail
