// Internal: the channel form of a body part's content. A bool tells whether
// content follows; if so, its size as an unsigned int and then exactly that
// many raw bytes on the byte channel beneath the typed channel, streamed
// through Quorum::Common::IO::BinaryChannelUtilities::Copy.
#pragma once

#include "Quorum/Server/Mail/BodyPartContent.h"
#include "Strata/IChannelX.h"
#include "Strata/OChannelX.h"
#include "Strata/Ref.h"

namespace Quorum::Server::Mail {

class Headers;

namespace Contents::internal {

// Throws Strata::IOException "Failed to write content." (code -7003) when the
// content yields fewer bytes than its size; what was written stays written.
// What the content's GetSize throws leaves before anything is written.
void WriteContentSection(const Strata::Ref<BodyPartContent>& content, Strata::OChannelX& channel);

// The content that follows on `channel`, made by DefaultBodyPartContentFactory
// from `headers`, or an empty reference when none follows. Throws
// Strata::IOException "Failed to read content." (code -7003) when the channel
// ends within the content bytes.
Strata::Ref<BodyPartContent> ReadContentSection(Strata::IChannelX& channel, const Headers& headers);

}  // namespace Contents::internal
}  // namespace Quorum::Server::Mail
