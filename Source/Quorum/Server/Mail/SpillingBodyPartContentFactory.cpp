#include "Quorum/Server/Mail/SpillingBodyPartContentFactory.h"

#include "Quorum/Server/Mail/Contents/TemporaryFileContent.h"

namespace Quorum::Server::Mail {

SpillingBodyPartContentFactory::SpillingBodyPartContentFactory(const Conduit::Location& folder,
                                                               unsigned int threshold)
    : folder_(folder), threshold_(threshold) {
  // A folder that cannot take the files is better known now than when the
  // first large content arrives.
  Contents::TemporaryFileContent probe(folder_);
}

SpillingBodyPartContentFactory::SpillingBodyPartContentFactory(
    const SpillingBodyPartContentFactory& other) = default;
SpillingBodyPartContentFactory::SpillingBodyPartContentFactory(
    SpillingBodyPartContentFactory&& other) noexcept = default;
SpillingBodyPartContentFactory& SpillingBodyPartContentFactory::operator=(
    const SpillingBodyPartContentFactory& other) = default;
SpillingBodyPartContentFactory& SpillingBodyPartContentFactory::operator=(
    SpillingBodyPartContentFactory&& other) noexcept = default;
SpillingBodyPartContentFactory::~SpillingBodyPartContentFactory() = default;

Strata::Ref<BodyPartContent> SpillingBodyPartContentFactory::Create(const Headers& headers) {
  return small_.Create(headers);
}

Strata::Ref<BodyPartContent> SpillingBodyPartContentFactory::CreateForSize(const Headers& headers,
                                                                           unsigned int size) {
  if (size > threshold_) return Strata::MakeRef<Contents::TemporaryFileContent>(folder_);
  return Create(headers);
}

}  // namespace Quorum::Server::Mail
