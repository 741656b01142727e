// StreamIBinaryChannel reads the bytes of a standard input stream without
// reading ahead of what is asked, so the stream stays positioned right after
// the last byte delivered. The stream must outlive the channel.
#pragma once

#include <iosfwd>

#include "Strata/IBinaryChannel.h"

namespace Strata::internal {

class StreamIBinaryChannel : public IBinaryChannel {
 public:
  explicit StreamIBinaryChannel(std::istream& in) noexcept : in_(in) {}

  // Throws IOException when the stream fails other than by ending.
  unsigned int Read(unsigned char* data, unsigned int count) override;

 private:
  std::istream& in_;
};

}  // namespace Strata::internal
