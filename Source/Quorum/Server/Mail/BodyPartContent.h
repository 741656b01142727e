#pragma once

#include <cstddef>
#include <vector>

#include "Quorum/Server/Mail/Export.h"
#include "Strata/IBinaryChannel.h"
#include "Strata/OBinaryChannel.h"
#include "Strata/Ref.h"

namespace Quorum::Server::Mail {

/// The abstract holder of a body part's bytes.
///
/// A content is reached only through byte channels: each GetInputChannel
/// call gives a new channel over all GetSize() bytes, each GetOutputChannel
/// call a new channel whose bytes become the whole content. Contents are
/// shared between body parts through Strata::Ref; neither a content nor its
/// channels are locked.
class QUORUM_MAIL_EXPORT BodyPartContent {
 public:
  virtual ~BodyPartContent();

  /// Copies nothing: a content has no state of its own at this level.
  BodyPartContent& operator=(const BodyPartContent& other);

  /// A new channel; what is written becomes the whole content (for the
  /// in-memory kinds, when the channel is closed). The caller closes it.
  virtual Strata::Ref<Strata::OBinaryChannel> GetOutputChannel() = 0;
  /// A new channel at the first byte, yielding exactly GetSize() bytes and
  /// then its end. The caller closes it.
  virtual Strata::Ref<Strata::IBinaryChannel> GetInputChannel() = 0;
  /// The number of bytes of the content.
  virtual unsigned int GetSize() const = 0;
  /// True when both contents hold the same bytes.
  ///
  /// This body compares sizes first (no channel is opened when they
  /// differ), then 4,096-byte blocks; a channel that yields fewer or more
  /// bytes than its size makes them unequal. Failures leave as
  /// BodyPartContentException "Failed to check equality of body part
  /// contents." with the failure as cause, except
  /// Strata::OutOfMemoryException, which passes unchanged.
  virtual bool Equals(const BodyPartContent& other) const;
  /// A new, independent content of the same kind with the same bytes; the
  /// caller owns it.
  virtual BodyPartContent* Clone() const = 0;

  /// All bytes, read through a fresh input channel that is closed again. The
  /// channel's exceptions pass unchanged.
  std::vector<std::byte> ReadAllBytes() const;

 protected:
  /// A content of no particular kind.
  BodyPartContent() = default;
  /// Copies nothing: a content has no state of its own at this level.
  BodyPartContent(const BodyPartContent& other) = default;

 private:
  QUORUM_MAIL_LOCAL bool CompareBytes(const BodyPartContent& other) const;
};

}  // namespace Quorum::Server::Mail
