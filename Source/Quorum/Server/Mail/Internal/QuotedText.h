// Internal: the quoted free text shared by the parameter and address text
// forms. A quoted text is a quotation mark, the characters of the text with a
// backslash put before every backslash and every quotation mark (and before
// nothing else), and a closing quotation mark.
#pragma once

#include "Strata/UniString.h"

namespace Quorum::Server::Mail::internal {

// Appends `text` to `out` in quoted form.
void AppendQuoted(Strata::UniString& out, const Strata::UniString& text);

// Scans a quoted text at `position` of `text`. On success stores the
// unescaped characters in `value`, moves `position` just past the closing
// quotation mark and returns true. Fails (returning false and touching
// neither argument) when `position` does not hold a quotation mark, when a
// backslash is followed by anything but a backslash or a quotation mark, and
// when the text ends before the closing quotation mark.
bool ScanQuoted(const Strata::UniString& text, unsigned int& position, Strata::UniString& value);

}  // namespace Quorum::Server::Mail::internal
