#pragma once

/// \file
/// `operator<<` for each mail value with a text form: writes its ToString()
/// as UTF-8 to a std::ostream. Each is a plain function for its type alone,
/// found by argument-dependent lookup, so a client's own template
/// `operator<<` never competes with it. The types are only declared here:
/// this header includes none of them.

#include "Strata/RequiresCxx20.h"

#include <iosfwd>

#include "Quorum/Server/Mail/Export.h"

namespace Quorum::Server::Mail {

class Address;
class AddressList;
class ClientId;
class ContentDisposition;
class Date;
class Disposition;
class Flag;
class Flags;
class Header;
class Headers;
class Importance;
class MailId;
class MailboxAccess;
class MailboxId;
class MailboxName;
class MailboxNamespace;
class MailboxSessionId;
class MailboxSessionInfo;
class OwnerId;
class Parameter;
class Parameters;

/// Writes `value.ToString()` as UTF-8: the text form, not a number, for the
/// values that convert to int.
///@{
QUORUM_MAIL_EXPORT std::ostream& operator<<(std::ostream& out, const Address& value);
QUORUM_MAIL_EXPORT std::ostream& operator<<(std::ostream& out, const AddressList& value);
QUORUM_MAIL_EXPORT std::ostream& operator<<(std::ostream& out, const ClientId& value);
QUORUM_MAIL_EXPORT std::ostream& operator<<(std::ostream& out, const ContentDisposition& value);
QUORUM_MAIL_EXPORT std::ostream& operator<<(std::ostream& out, const Date& value);
QUORUM_MAIL_EXPORT std::ostream& operator<<(std::ostream& out, const Disposition& value);
QUORUM_MAIL_EXPORT std::ostream& operator<<(std::ostream& out, const Flag& value);
QUORUM_MAIL_EXPORT std::ostream& operator<<(std::ostream& out, const Flags& value);
QUORUM_MAIL_EXPORT std::ostream& operator<<(std::ostream& out, const Header& value);
QUORUM_MAIL_EXPORT std::ostream& operator<<(std::ostream& out, const Headers& value);
QUORUM_MAIL_EXPORT std::ostream& operator<<(std::ostream& out, const Importance& value);
QUORUM_MAIL_EXPORT std::ostream& operator<<(std::ostream& out, const MailId& value);
QUORUM_MAIL_EXPORT std::ostream& operator<<(std::ostream& out, const MailboxAccess& value);
QUORUM_MAIL_EXPORT std::ostream& operator<<(std::ostream& out, const MailboxId& value);
QUORUM_MAIL_EXPORT std::ostream& operator<<(std::ostream& out, const MailboxName& value);
QUORUM_MAIL_EXPORT std::ostream& operator<<(std::ostream& out, const MailboxNamespace& value);
QUORUM_MAIL_EXPORT std::ostream& operator<<(std::ostream& out, const MailboxSessionId& value);
QUORUM_MAIL_EXPORT std::ostream& operator<<(std::ostream& out, const MailboxSessionInfo& value);
QUORUM_MAIL_EXPORT std::ostream& operator<<(std::ostream& out, const OwnerId& value);
QUORUM_MAIL_EXPORT std::ostream& operator<<(std::ostream& out, const Parameter& value);
QUORUM_MAIL_EXPORT std::ostream& operator<<(std::ostream& out, const Parameters& value);
///@}

}  // namespace Quorum::Server::Mail
