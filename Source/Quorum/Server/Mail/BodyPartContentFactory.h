// BodyPartContentFactory makes the content object of a body part read from a
// channel, from the headers read before it. Holds no state.
#pragma once

#include "Quorum/Server/Mail/BodyPartContent.h"
#include "Quorum/Server/Mail/Export.h"
#include "Strata/Ref.h"

namespace Quorum::Server::Mail {

class Headers;

class QUORUM_MAIL_EXPORT BodyPartContentFactory {
 public:
  virtual ~BodyPartContentFactory();

  BodyPartContentFactory& operator=(const BodyPartContentFactory& other);

  // A new, empty content suited to a body part with `headers`.
  virtual Strata::Ref<BodyPartContent> Create(const Headers& headers) = 0;

 protected:
  BodyPartContentFactory() = default;
  BodyPartContentFactory(const BodyPartContentFactory& other) = default;
};

}  // namespace Quorum::Server::Mail
