#pragma once

#include "Quorum/Server/Mail/BodyPart.h"
#include "Quorum/Server/Mail/BodyPartContent.h"
#include "Quorum/Server/Mail/Export.h"
#include "Strata/UniString.h"

/// \file
/// The text of a content that keeps only bytes, such as a text part that
/// SpillingBodyPartContentFactory left in a temporary file. The bytes are
/// decoded as TextContent decodes them: in the charset given (any of ICU's
/// names, in any case), as UTF-8 when it is empty or unknown, each sequence
/// malformed in it as U+FFFD. The whole text is built in memory, about three
/// times the bytes at most, so the caller says how many bytes it accepts.

namespace Quorum::Server::Mail::Contents {

/// The text of `content`'s bytes in `charset`. Throws
/// BodyPartContentException "Failed to read text: content holds %u bytes,
/// more than %u." before reading anything when the content holds more than
/// `maximumSize` bytes; the content's channel exceptions pass unchanged.
QUORUM_MAIL_EXPORT Strata::UniString ReadText(const BodyPartContent& content,
                                              const Strata::UniString& charset,
                                              unsigned int maximumSize);

/// The text of `part`'s content in the charset its "Content-Type" names (the
/// "charset" parameter, read as internet mail writes it); empty without a
/// content. Throws as ReadText with a charset.
QUORUM_MAIL_EXPORT Strata::UniString ReadText(const BodyPart& part, unsigned int maximumSize);

}  // namespace Quorum::Server::Mail::Contents
