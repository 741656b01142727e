// Internal: the shared core of the small enumerated values (access mode,
// importance and the like): a fixed table of numbers with their 8-bit words,
// looked up in both directions, and the channel form of such a number as one
// short. Lookups compare exactly and case-sensitively and allocate nothing.
#pragma once

#include <span>

#include "Strata/IChannelX.h"
#include "Strata/OChannelX.h"
#include "Strata/UniString.h"

namespace Quorum::Server::Mail::internal {

struct NamedNumber {
  int number;
  const char* word;  // ASCII
};

// The word of `number`, or the empty text when the table has none.
Strata::UniString WordOf(std::span<const NamedNumber> table, int number);

// True and `number` set when `text` is exactly one of the words; otherwise
// false and `number` untouched. Throws Strata::IllegalArgumentException with
// `emptyMessage` and the given location when `text` is empty.
bool ParseWord(std::span<const NamedNumber> table, const Strata::UniString& text, int& number,
               const char* emptyMessage, const char* sourceFile, unsigned int sourceLine);

// Writes the low 16 bits of `number` as one short.
void WriteAsShort(Strata::OChannelX& channel, int number);
// Reads one short, sign-extended.
int ReadShort(Strata::IChannelX& channel);

}  // namespace Quorum::Server::Mail::internal
