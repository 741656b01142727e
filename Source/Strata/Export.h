// Symbol visibility of the library. Every target of this project is compiled
// with hidden visibility; the public API carries an export macro. The one
// library holds all layers, so every layer's macro means the same.
#pragma once

#include "Strata/RequiresCxx20.h"

#define QUORUM_MAILBOX_MANAGER_COMMON_EXPORT __attribute__((visibility("default")))

// Keeps a member of an exported class out of the library's interface: a
// private function that only the library's own sources call, so that it can
// change without changing the binary interface. Inline functions and
// templates in the headers must not call it (their callers would fail to
// link).
#define QUORUM_MAILBOX_MANAGER_COMMON_LOCAL __attribute__((visibility("hidden")))

#define STRATA_EXPORT QUORUM_MAILBOX_MANAGER_COMMON_EXPORT
#define STRATA_LOCAL QUORUM_MAILBOX_MANAGER_COMMON_LOCAL
