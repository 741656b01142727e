#pragma once

#include "Quorum/Server/Mail/BodyPartContent.h"
#include "Quorum/Server/Mail/Export.h"
#include "Strata/Ref.h"

namespace Quorum::Server::Mail {

class Headers;

/// Makes the content object of a body part read from a channel, from the
/// headers read before it and the size its content section announces.
///
/// The base holds no state; a factory is used by one reader at a time
/// unless it says otherwise.
class QUORUM_MAIL_EXPORT BodyPartContentFactory {
 public:
  virtual ~BodyPartContentFactory();

  /// Copies nothing: the base holds no state.
  BodyPartContentFactory& operator=(const BodyPartContentFactory& other);

  /// A new, empty content suited to a body part with `headers`.
  virtual Strata::Ref<BodyPartContent> Create(const Headers& headers) = 0;
  /// A new, empty content for a body part with `headers` whose content
  /// section announces `size` bytes, so a factory can choose by size. The
  /// size comes from the channel and is not checked yet: the channel may end
  /// before it. Returns Create(headers) unless a factory overrides it.
  virtual Strata::Ref<BodyPartContent> CreateForSize(const Headers& headers, unsigned int size);

 protected:
  /// A factory of no particular kind.
  BodyPartContentFactory() = default;
  /// Copies nothing: the base holds no state.
  BodyPartContentFactory(const BodyPartContentFactory& other) = default;
};

}  // namespace Quorum::Server::Mail
