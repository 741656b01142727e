// Internal: the list grammar shared by the parameter and address list text
// forms, item *(separator item), covering the whole text: no white space
// around a separator and no trailing separator.
#pragma once

#include "Strata/UniString.h"

namespace Quorum::Server::Mail::internal {

// Calls `scanItem(position)` for each item; it scans one item at `position`,
// moves `position` past it and returns false when the text there is not an
// item. Returns false as soon as an item or a separator is missing. The
// empty text is an empty list.
template <typename ScanItem>
bool ScanSeparatedList(const Strata::UniString& text, char16_t separator, ScanItem scanItem) {
  const unsigned int length = text.GetLength();
  unsigned int position = 0;
  while (position < length) {
    if (!scanItem(position)) return false;
    if (position == length) break;
    // A separator must be followed by another item.
    if (text[position] != separator || position + 1 == length) return false;
    ++position;
  }
  return true;
}

}  // namespace Quorum::Server::Mail::internal
