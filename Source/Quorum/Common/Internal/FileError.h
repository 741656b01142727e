// Internal: the IOException of a failed file operation, naming the file and
// the system's reason.
#pragma once

#include <cerrno>
#include <cstring>

#include "Conduit/Location.h"
#include "Strata/IOException.h"

namespace Quorum::Common::IO::internal {

[[noreturn]] inline void ThrowFileError(const char* action, const Conduit::Location& location,
                                        int error, const char* sourceFile,
                                        unsigned int sourceLine) {
  throw Strata::IOException(
      Strata::UniString::Format("Failed to %s file '%T': %s.", action, location.ToString(),
                                static_cast<const char*>(std::strerror(error))),
      sourceFile, sourceLine);
}

}  // namespace Quorum::Common::IO::internal
