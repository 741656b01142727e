#pragma once

/// \file
/// The raising helpers, which record where an exception came from.

#include "Strata/RequiresCxx20.h"

/// The current source file and line, as the two arguments that follow the
/// message in an exception's constructor; for checks that raise on behalf
/// of their caller: `CheckName(name, STRATA_HERE);`.
#define STRATA_HERE __FILE__, static_cast<unsigned int>(__LINE__)

/// Throws `Type(message, file, line)`; the message is a `const char*` or a
/// Strata::UniString (see UniString::Format).
#define STRATA_THROW(Type, message) throw Type((message), STRATA_HERE)
