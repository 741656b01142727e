#pragma once

/// \file
/// Stops a compilation older than C++20 at the first header of this library
/// it reaches, with one message instead of a cascade of errors. Every public
/// header includes it first, directly or through the first header it
/// includes.

#if __cplusplus < 202002L
#error "Quorum.Server.MailboxManager.Common needs C++20: compile with -std=c++20 or later."
// GCC and clang go on after #error; a missing include is fatal and stops them
// here. The file deliberately does not exist.
#include "Quorum.Server.MailboxManager.Common needs C++20"
#endif
