#pragma once

#include "Quorum/Server/Mail/Export.h"
#include "Strata/UniString.h"

namespace Quorum::Server::Mail {

/// The names of the mail headers that Mail reads and writes as typed values.
///
/// The constants exist from the moment the library is loaded until it is
/// unloaded.
class QUORUM_MAIL_EXPORT MailHeaders {
 public:
  static const Strata::UniString From;        ///< "From"
  static const Strata::UniString Importance;  ///< "Importance"
  static const Strata::UniString InReplyTo;   ///< "In-Reply-To"
  static const Strata::UniString Received;    ///< "Received"
  static const Strata::UniString ReplyTo;     ///< "Reply-To"
  static const Strata::UniString Sent;        ///< "Sent"
  static const Strata::UniString Subject;     ///< "Subject"
  static const Strata::UniString To;          ///< "To"
};

}  // namespace Quorum::Server::Mail
