// Decode walks the channel form of one value type through a Source, handing
// each item to a Sink as soon as it is read, with the offset where it
// begins; nothing is kept, so memory stays flat however many items or
// content bytes there are. It trusts no count: every length is checked
// against the bytes that remain before anything is read or stored, so a
// hostile input costs no more memory than its own size and ends in a
// Failure, never in an exception (a file that fails to read throws
// FileError).
#pragma once

#include <cstdint>
#include <optional>

#include "Schema.h"
#include "Sink.h"
#include "Source.h"

namespace Quorum::Tools::Examiner {

struct Decoding {
  std::uint64_t values = 0;  // the values decoded whole
  std::optional<Failure> failure;
};

// One value from the source's position to its end: bytes left over are a
// failure.
Decoding Decode(const Schema& schema, Source& source, Sink& sink);

// Values one after another until the source ends between two of them, each
// labelled "<type> <n>" (from 1), in dumps and in the failure's context.
// Nothing at all is a sequence of none.
Decoding DecodeAll(const Schema& schema, Source& source, Sink& sink);

}  // namespace Quorum::Tools::Examiner
