#include "Quorum/Server/Mail/MailboxSessionInfo.h"

#include "Strata/IllegalArgumentException.h"
#include "Strata/Throw.h"

namespace Quorum::Server::Mail {

MailboxSessionInfo::MailboxSessionInfo(const MailboxSessionId& sessionId,
                                       const MailboxId& mailboxId, const ClientId& clientId,
                                       const OwnerId& ownerId)
    : sessionId_(sessionId), mailboxId_(mailboxId), clientId_(clientId), ownerId_(ownerId) {
  if (!sessionId_.IsValid()) {
    STRATA_THROW(Strata::IllegalArgumentException, "Invalid mailbox session id: id is not valid.");
  }
  if (!mailboxId_.IsValid()) {
    STRATA_THROW(Strata::IllegalArgumentException, "Invalid mailbox id: mailbox id is not valid.");
  }
  if (!clientId_.IsValid()) {
    STRATA_THROW(Strata::IllegalArgumentException, "Invalid client id: id is not valid.");
  }
  if (ownerId_.IsEmpty()) {
    STRATA_THROW(Strata::IllegalArgumentException, "Invalid owner id: owner id is empty.");
  }
}

bool MailboxSessionInfo::IsValid() const noexcept {
  return sessionId_.IsValid() && mailboxId_.IsValid() && clientId_.IsValid() && !ownerId_.IsEmpty();
}

bool MailboxSessionInfo::operator==(const MailboxSessionInfo& other) const noexcept {
  return this == &other || (sessionId_ == other.sessionId_ && mailboxId_ == other.mailboxId_ &&
                            clientId_ == other.clientId_ && ownerId_ == other.ownerId_);
}

Strata::UniString MailboxSessionInfo::ToString() const {
  return Strata::UniString::Format(
      "MailboxSessionInfo(id=%T, mailbox-id=%T, client-id=%T, owner-id=%T)", sessionId_.GetId(),
      mailboxId_.ToString(), clientId_.GetId(), ownerId_.GetId());
}

void MailboxSessionInfo::Write(Strata::OChannelX& channel) const {
  sessionId_.Write(channel);
  mailboxId_.Write(channel);
  clientId_.Write(channel);
  ownerId_.Write(channel);
}

void MailboxSessionInfo::Read(Strata::IChannelX& channel) {
  MailboxSessionId sessionId;
  MailboxId mailboxId;
  ClientId clientId;
  OwnerId ownerId;
  sessionId.Read(channel);
  mailboxId.Read(channel);
  clientId.Read(channel);
  ownerId.Read(channel);
  sessionId_ = std::move(sessionId);
  mailboxId_ = std::move(mailboxId);
  clientId_ = std::move(clientId);
  ownerId_ = std::move(ownerId);
}

}  // namespace Quorum::Server::Mail
