#pragma once

#include "Quorum/Server/Mail/Export.h"
#include "Strata/UniString.h"

namespace Quorum::Server::Mail {

/// The names of the well-known flags of a mail.
///
/// They are plain names, not Flag objects; since Flags matches names without
/// regard to case, a stored flag "answered" counts as Answered. Built when the
/// library is loaded and usable until it is unloaded.
class QUORUM_MAIL_EXPORT MailFlags {
 public:
  static const Strata::UniString Answered;   ///< "Answered"
  static const Strata::UniString Completed;  ///< "Completed"
  static const Strata::UniString Deleted;    ///< "Deleted"
  static const Strata::UniString Draft;      ///< "Draft"
  static const Strata::UniString Flagged;    ///< "Flagged"
  static const Strata::UniString Read;       ///< "Read"
};

}  // namespace Quorum::Server::Mail
