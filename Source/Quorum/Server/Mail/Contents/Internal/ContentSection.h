// Internal: the channel form of a body part's content. A bool tells whether
// content follows; if so, its size as an unsigned int and then exactly that
// many raw bytes on the byte channel beneath the typed channel, streamed
// through Quorum::Common::IO::BinaryChannelUtilities::Copy.
#pragma once

#include "Quorum/Server/Mail/BodyPartContent.h"
#include "Quorum/Server/Mail/BodyPartContentFactory.h"
#include "Strata/IChannelX.h"
#include "Strata/OChannelX.h"
#include "Strata/Ref.h"

namespace Quorum::Server::Mail {

class Headers;

namespace Contents::internal {

// Writes `content` as holding `size` bytes, the size its GetSize gave (taken
// once by the caller; ignored for an empty reference). Throws
// Strata::IOException "Failed to write content." (code -7003) when the
// content yields fewer bytes; what was written stays written. A content that
// yields more is cut at `size`.
void WriteContentSection(const Strata::Ref<BodyPartContent>& content, unsigned int size,
                         Strata::OChannelX& channel);

// The content that follows on `channel`, made by `factory` from `headers` and
// the size read, or an empty reference when none follows. Throws
// Strata::IOException "Failed to read content." (code -7003) when the channel
// ends within the content bytes, and Strata::IllegalArgumentException when
// the factory makes no content; the content made is then dropped unfilled.
Strata::Ref<BodyPartContent> ReadContentSection(Strata::IChannelX& channel, const Headers& headers,
                                                BodyPartContentFactory& factory);

}  // namespace Contents::internal
}  // namespace Quorum::Server::Mail
