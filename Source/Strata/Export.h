// Symbol visibility of the Strata library. Every target of this project is
// compiled with hidden visibility; the public API is marked with this macro.
#pragma once

#define STRATA_EXPORT __attribute__((visibility("default")))
