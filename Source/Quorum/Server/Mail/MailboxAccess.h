// MailboxAccess is the access mode of an opened mailbox, held as a signed
// 32-bit number. A number outside the enumeration (from a conversion or a
// channel) is kept as it is and has no text. A value type.
#pragma once

#include "Quorum/Server/Mail/Export.h"
#include "Strata/IChannelX.h"
#include "Strata/OChannelX.h"
#include "Strata/UniString.h"

namespace Quorum::Server::Mail {

class QUORUM_MAIL_EXPORT MailboxAccess {
 public:
  enum Access : int { Opened = 0, ReadOnly = 1, Closed = 2 };

  constexpr MailboxAccess(Access access = Opened) noexcept : access_(access) {}

  constexpr operator int() const noexcept { return access_; }

  bool operator==(const MailboxAccess& other) const noexcept { return access_ == other.access_; }
  bool operator==(Access access) const noexcept { return access_ == access; }

  // "opened", "read-only" or "closed"; the empty text for any other number.
  Strata::UniString ToString() const;
  // Accepts exactly "opened", "read-only" and "closed"; false, with `access` untouched, for any
  // other text. Throws Strata::IllegalArgumentException "Invalid mailbox access string: string is
  // empty." for the empty text.
  static bool Parse(const Strata::UniString& text, MailboxAccess& access);

  // One short: the low 16 bits of the number.
  void Write(Strata::OChannelX& channel) const;
  // One short, sign-extended.
  void Read(Strata::IChannelX& channel);

 private:
  int access_;
};

}  // namespace Quorum::Server::Mail
