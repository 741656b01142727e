#include "Quorum/Server/Mail/TextIdentifier.h"

#include "Strata/IllegalArgumentException.h"

namespace Quorum::Server::Mail::internal {

TextIdentifier::TextIdentifier(const Strata::UniString& id, const char* emptyMessage,
                               const char* sourceFile, unsigned int sourceLine)
    : id_(id) {
  if (id_.IsEmpty()) throw Strata::IllegalArgumentException(emptyMessage, sourceFile, sourceLine);
}

void TextIdentifier::Write(Strata::OChannelX& channel) const { channel.WriteUniString(id_); }

void TextIdentifier::Read(Strata::IChannelX& channel) { id_ = channel.ReadUniString(); }

}  // namespace Quorum::Server::Mail::internal
