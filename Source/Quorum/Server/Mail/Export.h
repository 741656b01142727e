// Symbol visibility of Quorum.Server.MailboxManager.Common: the library is
// built with hidden visibility and exports exactly what carries this macro.
//
// QUORUM_MAIL_LOAD_TIME_CONSTANT marks the definitions of the library's named
// constants so that they are built before any other static object of the
// library; objects in libraries linking this one are built later still, since
// a shared library is initialised before the libraries that depend on it.
#pragma once

#define QUORUM_MAIL_EXPORT __attribute__((visibility("default")))

#define QUORUM_MAIL_LOAD_TIME_CONSTANT __attribute__((init_priority(200)))
