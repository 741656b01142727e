#pragma once

#include "Quorum/Common/Export.h"
#include "Strata/IBinaryChannel.h"

namespace Quorum::Common::IO {

/// An input channel that is at its end at once. Holds no state.
class QUORUM_COMMON_EXPORT NullIBinaryChannel : public Strata::IBinaryChannel {
 public:
  /// A channel at its end.
  NullIBinaryChannel() = default;
  /// Always 0: the end.
  unsigned int Read(unsigned char* data, unsigned int count) override;
};

}  // namespace Quorum::Common::IO
