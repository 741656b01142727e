// Raising helpers. STRATA_HERE expands to the current source file and line,
// for checks that raise on behalf of their caller:
//   CheckName(name, STRATA_HERE);
// STRATA_THROW(Type, message) throws Type(message, file, line); the message is
// a const char* or a Strata::UniString (see UniString::Format).
#pragma once

#include "Strata/RequiresCxx20.h"

#define STRATA_HERE __FILE__, static_cast<unsigned int>(__LINE__)

#define STRATA_THROW(Type, message) throw Type((message), STRATA_HERE)
