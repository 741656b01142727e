// RenderHeaders reads a mail's channel form with the library and prints its
// typed headers (From, To, Reply-To, Subject, Importance, Sent, Received) as
// the library parses them: the parsed value, "(absent)", or "does not
// parse: " and the library's message.
#pragma once

#include <ostream>

#include "Source.h"

namespace Quorum::Tools::Examiner {

// False when the bytes are not a mail's channel form (the error goes to
// `errors`, nothing to `out`) or when a typed header does not parse.
bool RenderHeaders(Source& source, std::ostream& out, std::ostream& errors);

// The same for mails one after another: each is printed after a line
// "mail <n>, offset <byte>" as soon as it is read, so memory holds one mail
// at a time. A mail that does not read ends the walk with
// "error: offset <byte>: mail <n>: <message>"; no bytes at all is no mails.
bool RenderAllHeaders(Source& source, std::ostream& out, std::ostream& errors);

}  // namespace Quorum::Tools::Examiner
