#pragma once

/// \file
/// File-system queries on locations.

#include <cstdint>

#include "Conduit/Location.h"
#include "Quorum/Common/Export.h"

namespace Quorum::Common::IO {

/// Throws Strata::IllegalArgumentException, recording the caller's source
/// file and line, when `location` cannot name a file: it is empty, it names
/// a folder, or its parent folder does not exist.
QUORUM_COMMON_EXPORT void CheckLocation(const Conduit::Location& location, const char* sourceFile,
                                        unsigned int sourceLine);

/// True when something exists at `location`; never throws.
QUORUM_COMMON_EXPORT bool Exists(const Conduit::Location& location) noexcept;

/// The size in bytes of the file at `location`; throws Strata::IOException
/// when it cannot be had (no such file, no permission).
QUORUM_COMMON_EXPORT std::uint64_t GetFileSize(const Conduit::Location& location);

}  // namespace Quorum::Common::IO
