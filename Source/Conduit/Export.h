// Symbol visibility of the Conduit layer: see Strata/Export.h.
#pragma once

#include "Strata/Export.h"

#define CONDUIT_EXPORT QUORUM_MAILBOX_MANAGER_COMMON_EXPORT
