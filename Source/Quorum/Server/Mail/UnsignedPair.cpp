#include "Quorum/Server/Mail/UnsignedPair.h"

namespace Quorum::Server::Mail::internal {

void UnsignedPair::Write(Strata::OChannelX& channel) const {
  channel.WriteUnsignedInt(first_);
  channel.WriteUnsignedInt(second_);
}

void UnsignedPair::Read(Strata::IChannelX& channel) {
  const unsigned int first = channel.ReadUnsignedInt();
  const unsigned int second = channel.ReadUnsignedInt();
  first_ = first;
  second_ = second;
}

}  // namespace Quorum::Server::Mail::internal
