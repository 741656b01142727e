// NullIBinaryChannel is an input channel that is at its end at once.
#pragma once

#include "Quorum/Common/Export.h"
#include "Strata/IBinaryChannel.h"

namespace Quorum::Common::IO {

class QUORUM_COMMON_EXPORT NullIBinaryChannel : public Strata::IBinaryChannel {
 public:
  NullIBinaryChannel() = default;
  unsigned int Read(unsigned char* data, unsigned int count) override;
};

}  // namespace Quorum::Common::IO
