#pragma once

#include "Quorum/Server/Mail/ClientId.h"
#include "Quorum/Server/Mail/Export.h"
#include "Quorum/Server/Mail/MailboxId.h"
#include "Quorum/Server/Mail/MailboxSessionId.h"
#include "Quorum/Server/Mail/OwnerId.h"
#include "Strata/IChannelX.h"
#include "Strata/OChannelX.h"
#include "Strata/UniString.h"

namespace Quorum::Server::Mail {

/// One session in which a client has a mailbox open: the session, the
/// mailbox, the client and the record's owner (which need not be the owner
/// inside the mailbox id).
///
/// The validating constructor never builds an invalid record; default
/// construction and Read can. A value type; not thread-safe for mutation.
class QUORUM_MAIL_EXPORT MailboxSessionInfo {
 public:
  /// Empty ids; not valid.
  MailboxSessionInfo() = default;
  /// Throws Strata::IllegalArgumentException at the first of: session id not
  /// valid, mailbox id not valid, client id not valid, owner id empty.
  MailboxSessionInfo(const MailboxSessionId& sessionId, const MailboxId& mailboxId,
                     const ClientId& clientId, const OwnerId& ownerId);

  /// The session.
  const MailboxSessionId& GetMailboxSessionId() const noexcept { return sessionId_; }
  /// The mailbox.
  const MailboxId& GetMailboxId() const noexcept { return mailboxId_; }
  /// The client.
  const ClientId& GetClientId() const noexcept { return clientId_; }
  /// The record's owner.
  const OwnerId& GetOwnerId() const noexcept { return ownerId_; }

  /// True when the session, mailbox and client ids are valid and the owner
  /// id is not empty, as the validating constructor demands.
  bool IsValid() const noexcept;

  /// Equal when all four ids are.
  bool operator==(const MailboxSessionInfo& other) const noexcept;

  /// For display: "MailboxSessionInfo(id=..., mailbox-id=..., client-id=...,
  /// owner-id=...)".
  Strata::UniString ToString() const;

  /// Six strings: session id, mailbox id (three), client id, owner id.
  void Write(Strata::OChannelX& channel) const;
  /// Validates nothing; unchanged when the channel throws.
  void Read(Strata::IChannelX& channel);

 private:
  MailboxSessionId sessionId_;
  MailboxId mailboxId_;
  ClientId clientId_;
  OwnerId ownerId_;
};

}  // namespace Quorum::Server::Mail
