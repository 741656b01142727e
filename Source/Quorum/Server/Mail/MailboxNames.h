#pragma once

#include "Quorum/Server/Mail/Export.h"
#include "Quorum/Server/Mail/MailboxName.h"

namespace Quorum::Server::Mail {

/// The names of the two well-known mailboxes.
///
/// Both are built when the library is loaded, before any other static object
/// of this library and before those of the libraries that link it, so they
/// may be used from their static initialisers. They are immutable and so
/// thread-safe.
class QUORUM_MAIL_EXPORT MailboxNames {
 public:
  /// "Inbox".
  static const MailboxName Inbox;
  /// "Sent".
  static const MailboxName Sent;
};

}  // namespace Quorum::Server::Mail
