#include "Quorum/Server/Mail/Contents/Internal/ContentSection.h"

#include <algorithm>
#include <cstdint>

#include "Quorum/Common/IO/BinaryChannelUtilities.h"
#include "Strata/IOException.h"
#include "Strata/IllegalArgumentException.h"
#include "Strata/Throw.h"

namespace Quorum::Server::Mail::Contents::internal {

namespace {

constexpr int ContentErrorCode = -7003;

// Closing on the way out of a failure must not hide the failure.
void CloseAfterFailure(const Strata::Ref<Strata::IBinaryChannel>& channel) noexcept {
  try {
    if (!channel.IsNull()) channel->Close();
  } catch (...) {
  }
}

}  // namespace

void WriteContentSection(const Strata::Ref<BodyPartContent>& content, unsigned int size,
                         Strata::OChannelX& channel) {
  channel.WriteBool(!content.IsNull());
  if (content.IsNull()) return;
  channel.WriteUnsignedInt(size);
  if (size == 0) return;
  channel.GetBinaryChannel().ReserveMore(size);
  const Strata::Ref<Strata::IBinaryChannel> input = content->GetInputChannel();
  std::uint64_t copied = 0;
  try {
    copied = Common::IO::BinaryChannelUtilities::Copy(input, channel.GetBinaryChannel(), size);
  } catch (...) {
    CloseAfterFailure(input);
    throw;
  }
  input->Close();
  if (copied != size) {
    throw Strata::IOException("Failed to write content.", STRATA_HERE, ContentErrorCode);
  }
}

Strata::Ref<BodyPartContent> ReadContentSection(Strata::IChannelX& channel, const Headers& headers,
                                                BodyPartContentFactory& factory) {
  if (!channel.ReadBool()) return {};
  // The size is read before the content is made, so the factory can choose
  // by it; the bytes on the channel are the same either way.
  const unsigned int size = channel.ReadUnsignedInt();
  Strata::Ref<BodyPartContent> content = factory.CreateForSize(headers, size);
  if (content.IsNull()) {
    STRATA_THROW(Strata::IllegalArgumentException, "Invalid content factory: content is null.");
  }
  if (size == 0) return content;
  // Room is made once, but only for the bytes the input channel says it can
  // deliver, so an untrusted size allocates nothing it cannot fill. A channel
  // that ends early leaves the output channel unclosed, which drops what it
  // collected.
  const Strata::Ref<Strata::OBinaryChannel> output = content->GetOutputChannel();
  output->ReserveMore(std::min(size, channel.GetBinaryChannel().GetAvailable()));
  const std::uint64_t copied =
      Common::IO::BinaryChannelUtilities::Copy(channel.GetBinaryChannel(), output, size);
  if (copied != size) {
    throw Strata::IOException("Failed to read content.", STRATA_HERE, ContentErrorCode);
  }
  output->Close();
  return content;
}

}  // namespace Quorum::Server::Mail::Contents::internal
