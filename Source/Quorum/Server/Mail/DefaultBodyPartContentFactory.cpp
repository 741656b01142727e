#include "Quorum/Server/Mail/DefaultBodyPartContentFactory.h"

#include "Quorum/Server/Mail/BodyPartHeaders.h"
#include "Quorum/Server/Mail/Contents/Internal/CharsetParameter.h"
#include "Quorum/Server/Mail/Contents/MemoryContent.h"
#include "Quorum/Server/Mail/Contents/TextContent.h"
#include "Quorum/Server/Mail/Header.h"
#include "Quorum/Server/Mail/Headers.h"

namespace Quorum::Server::Mail {

DefaultBodyPartContentFactory::DefaultBodyPartContentFactory() = default;
DefaultBodyPartContentFactory::DefaultBodyPartContentFactory(
    const DefaultBodyPartContentFactory& other) = default;
DefaultBodyPartContentFactory::DefaultBodyPartContentFactory(
    DefaultBodyPartContentFactory&& other) noexcept
    : BodyPartContentFactory(other) {}
DefaultBodyPartContentFactory& DefaultBodyPartContentFactory::operator=(
    const DefaultBodyPartContentFactory& other) = default;
DefaultBodyPartContentFactory& DefaultBodyPartContentFactory::operator=(
    DefaultBodyPartContentFactory&&) noexcept {
  return *this;
}
DefaultBodyPartContentFactory::~DefaultBodyPartContentFactory() = default;

Strata::Ref<BodyPartContent> DefaultBodyPartContentFactory::Create(const Headers& headers) {
  Header contentType;
  if (headers.Get(BodyPartHeaders::ContentType, contentType) &&
      contentType.GetValue().BeginsWith("text")) {
    Strata::Ref<Contents::TextContent> content = Strata::MakeRef<Contents::TextContent>();
    content->SetCharset(Contents::internal::FindCharsetParameter(contentType.GetValue()));
    return content;
  }
  return Strata::MakeRef<Contents::MemoryContent>();
}

}  // namespace Quorum::Server::Mail
