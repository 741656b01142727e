#include "Quorum/Server/Mail/Contents/ContentText.h"

#include <memory>

#include "Quorum/Server/Mail/BodyPartContentException.h"
#include "Quorum/Server/Mail/BodyPartHeaders.h"
#include "Quorum/Server/Mail/Contents/Internal/CharsetParameter.h"
#include "Quorum/Server/Mail/Contents/Internal/TextBytes.h"
#include "Strata/IBinaryChannelUtilities.h"
#include "Strata/Throw.h"

namespace Quorum::Server::Mail::Contents {

Strata::UniString ReadText(const BodyPartContent& content, const Strata::UniString& charset,
                           unsigned int maximumSize) {
  const unsigned int size = content.GetSize();
  if (size > maximumSize) {
    STRATA_THROW(
        BodyPartContentException,
        Strata::UniString::Format("Failed to read text: content holds %u bytes, more than %u.",
                                  size, maximumSize));
  }
  const auto bytes = std::make_unique_for_overwrite<unsigned char[]>(size);
  const Strata::Ref<Strata::IBinaryChannel> channel =
      const_cast<BodyPartContent&>(content).GetInputChannel();
  // Only `size` bytes are read, whatever the channel may hold beyond them. On
  // a failure the channel goes with its reference.
  const unsigned int count =
      Strata::IBinaryChannelUtilities::ReadFully(*channel, bytes.get(), size);
  channel->Close();
  return internal::DecodeText(bytes.get(), count, charset).text;
}

Strata::UniString ReadText(const BodyPart& part, unsigned int maximumSize) {
  if (part.GetContent().IsNull()) return {};
  const Header* contentType = part.GetHeaders().Find(BodyPartHeaders::ContentType);
  const Strata::UniString charset = contentType == nullptr
                                        ? Strata::UniString()
                                        : internal::FindCharsetParameter(contentType->GetValue());
  return ReadText(*part.GetContent(), charset, maximumSize);
}

}  // namespace Quorum::Server::Mail::Contents
