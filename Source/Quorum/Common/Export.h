// Symbol visibility of the Quorum::Common layer: see Strata/Export.h.
#pragma once

#include "Strata/Export.h"

#define QUORUM_COMMON_EXPORT QUORUM_MAILBOX_MANAGER_COMMON_EXPORT
#define QUORUM_COMMON_LOCAL QUORUM_MAILBOX_MANAGER_COMMON_LOCAL
