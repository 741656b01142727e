#include "Quorum/Server/Mail/BodyPartContentFactory.h"

namespace Quorum::Server::Mail {

BodyPartContentFactory::~BodyPartContentFactory() = default;

BodyPartContentFactory& BodyPartContentFactory::operator=(const BodyPartContentFactory&) {
  return *this;
}

Strata::Ref<BodyPartContent> BodyPartContentFactory::CreateForSize(const Headers& headers,
                                                                   unsigned int /*size*/) {
  return Create(headers);
}

}  // namespace Quorum::Server::Mail
