// RenderHeaders reads a mail's channel form with the library and prints its
// typed headers (From, To, Reply-To, Subject, Importance, Sent, Received) as
// the library parses them: the parsed value, "(absent)", or the parse error.
#pragma once

#include <ostream>
#include <vector>

namespace Quorum::Tools::Examiner {

// False, after printing the error, when the bytes are not a mail's channel
// form; a header that does not parse still counts as success.
bool RenderHeaders(const std::vector<unsigned char>& data, std::ostream& out);

}  // namespace Quorum::Tools::Examiner
