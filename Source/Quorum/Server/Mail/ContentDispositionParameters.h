#pragma once

#include "Quorum/Server/Mail/Export.h"
#include "Strata/UniString.h"

namespace Quorum::Server::Mail {

/// The names of the parameters of a content disposition that the library
/// itself uses.
///
/// The constants are built when the library is loaded and may be used until
/// it is unloaded.
class QUORUM_MAIL_EXPORT ContentDispositionParameters {
 public:
  /// "filename"
  static const Strata::UniString Filename;
};

}  // namespace Quorum::Server::Mail
