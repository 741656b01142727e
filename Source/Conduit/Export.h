// Symbol visibility of the Conduit layer: see Strata/Export.h. It also makes
// Strata's operator<< for values with a text form visible in the namespace.
#pragma once

#include "Strata/Export.h"
#include "Strata/TextOutput.h"

#define CONDUIT_EXPORT QUORUM_MAILBOX_MANAGER_COMMON_EXPORT

namespace Conduit {
using Strata::operator<<;
}  // namespace Conduit
