// Symbol visibility of the Conduit library.
#pragma once

#define CONDUIT_EXPORT __attribute__((visibility("default")))
