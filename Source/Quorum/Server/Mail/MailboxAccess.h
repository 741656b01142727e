#pragma once

#include "Quorum/Server/Mail/Export.h"
#include "Strata/IChannelX.h"
#include "Strata/OChannelX.h"
#include "Strata/UniString.h"

namespace Quorum::Server::Mail {

/// The access mode of an opened mailbox, held as a signed 32-bit number.
///
/// A number outside the enumeration (from a conversion or a channel) is kept
/// as it is and has no text. A value type.
class QUORUM_MAIL_EXPORT MailboxAccess {
 public:
  /// The access modes.
  enum Access : int {
    Opened = 0,    ///< "opened", the default
    ReadOnly = 1,  ///< "read-only"
    Closed = 2     ///< "closed"
  };

  /// Converts implicitly from Access; the default is Opened.
  constexpr MailboxAccess(Access access = Opened) noexcept : access_(access) {}

  /// The mode's number.
  constexpr operator int() const noexcept { return access_; }

  /// Compares the numbers.
  ///@{
  bool operator==(const MailboxAccess& other) const noexcept { return access_ == other.access_; }
  bool operator==(Access access) const noexcept { return access_ == access; }
  ///@}

  /// "opened", "read-only" or "closed"; the empty text for any other number.
  Strata::UniString ToString() const;
  /// Accepts exactly "opened", "read-only" and "closed"; false, with `access`
  /// untouched, for any other text. Throws Strata::IllegalArgumentException
  /// "Invalid mailbox access string: string is empty." for the empty text.
  static bool Parse(const Strata::UniString& text, MailboxAccess& access);

  /// One short: the low 16 bits of the number.
  void Write(Strata::OChannelX& channel) const;
  /// One short, sign-extended; unchanged if the read fails.
  void Read(Strata::IChannelX& channel);

 private:
  int access_;
};

}  // namespace Quorum::Server::Mail
