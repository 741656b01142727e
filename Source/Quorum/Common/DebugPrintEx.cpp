#include "Quorum/Common/DebugPrintEx.h"

#include <cstdio>

#include "Strata/OBinaryChannel.h"

namespace Quorum::Common {
namespace {

class StandardErrorChannel : public Strata::OBinaryChannel {
 public:
  void Write(const unsigned char* data, unsigned int count) override {
    std::fwrite(data, 1, count, stderr);
  }
};

}  // namespace

void DebugPrintEx([[maybe_unused]] const Strata::StrataException& exception) noexcept {
#ifndef NDEBUG
  try {
    StandardErrorChannel channel;
    exception.Print(channel);
  } catch (...) {
    // Diagnostics must never disturb the caller.
  }
#endif
}

}  // namespace Quorum::Common
