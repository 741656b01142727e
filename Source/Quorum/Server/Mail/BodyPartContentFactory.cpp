#include "Quorum/Server/Mail/BodyPartContentFactory.h"

namespace Quorum::Server::Mail {

BodyPartContentFactory::~BodyPartContentFactory() = default;

BodyPartContentFactory& BodyPartContentFactory::operator=(const BodyPartContentFactory&) {
  return *this;
}

}  // namespace Quorum::Server::Mail
