// RenderDump prints a decoding as an indented tree, one item a line, each
// line led by the decimal byte offset where the item begins. Contents show
// their kind, size and first bytes (as text when they read as text, else in
// hex). A failed decoding shows what was read, then the failure.
#pragma once

#include <ostream>

#include "Decoder.h"

namespace Quorum::Tools::Examiner {

void RenderDump(const Decoding& decoding, std::ostream& out);

}  // namespace Quorum::Tools::Examiner
