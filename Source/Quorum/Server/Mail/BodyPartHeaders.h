#pragma once

#include "Quorum/Server/Mail/Export.h"
#include "Strata/UniString.h"

namespace Quorum::Server::Mail {

/// The names of the headers a body part reads as typed values.
///
/// The constants are built when the library is loaded.
class QUORUM_MAIL_EXPORT BodyPartHeaders {
 public:
  static const Strata::UniString ContentDisposition;  ///< "Content-Disposition"
  static const Strata::UniString ContentSize;         ///< "Content-Size"
  static const Strata::UniString ContentType;         ///< "Content-Type"
};

}  // namespace Quorum::Server::Mail
