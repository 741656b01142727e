// Symbol visibility of the mail values: see Strata/Export.h. It also declares
// operator<< for the values with a text form (TextOutput.h), so that every
// mail header brings them.
//
// QUORUM_MAIL_LOAD_TIME_CONSTANT marks the definitions of the library's named
// constants so that they are built before any other static object of the
// library; objects in libraries linking this one are built later still, since
// a shared library is initialised before the libraries that depend on it,
// and in a static build the priority orders them ahead of the program's own.
#pragma once

#include "Strata/Export.h"

#define QUORUM_MAIL_EXPORT QUORUM_MAILBOX_MANAGER_COMMON_EXPORT
#define QUORUM_MAIL_LOCAL QUORUM_MAILBOX_MANAGER_COMMON_LOCAL

#define QUORUM_MAIL_LOAD_TIME_CONSTANT __attribute__((init_priority(200)))

// Last: it uses the macros above.
#include "Quorum/Server/Mail/TextOutput.h"
