#pragma once

#include "Quorum/Common/Export.h"
#include "Strata/StrataException.h"

namespace Quorum::Common {

/// Reports a caught exception on the debug output (standard error) in debug
/// builds; in release builds (NDEBUG) it prints nothing. Never throws.
QUORUM_COMMON_EXPORT void DebugPrintEx(const Strata::StrataException& exception) noexcept;

}  // namespace Quorum::Common
