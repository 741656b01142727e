// Internal: the "charset" parameter of a Content-Type value.
#pragma once

#include "Strata/UniString.h"

namespace Quorum::Server::Mail::Contents::internal {

// The value of the first "charset" parameter of `contentType`, read as
// internet mail writes it: parameters after the first ';', white space
// allowed around ';' and '=', the name in any case, the value a token or a
// quoted string with backslash escapes (its closing quotation mark may be
// missing). Empty when there is none; nothing throws but allocation.
Strata::UniString FindCharsetParameter(const Strata::UniString& contentType);

}  // namespace Quorum::Server::Mail::Contents::internal
