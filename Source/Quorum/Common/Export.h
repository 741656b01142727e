// Symbol visibility of the Quorum.Common library.
#pragma once

#define QUORUM_COMMON_EXPORT __attribute__((visibility("default")))
