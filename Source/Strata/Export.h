// Symbol visibility of the library. Every target of this project is compiled
// with hidden visibility; the public API carries an export macro. The one
// library holds all layers, so every layer's macro means the same.
#pragma once

#include "Strata/RequiresCxx20.h"

#define QUORUM_MAILBOX_MANAGER_COMMON_EXPORT __attribute__((visibility("default")))

#define STRATA_EXPORT QUORUM_MAILBOX_MANAGER_COMMON_EXPORT
