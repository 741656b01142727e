// Copying between byte channels.
//
// Copy moves at most `count` bytes from `input` to `output` through one
// 65,536-byte buffer (none for bytes the input holds in memory): it asks the
// input for min(count - copied, 65536) bytes at a time (Read may return
// fewer), writes exactly what came, and stops at
// `count` or when the input ends. It returns the number copied, which is less
// than `count` only when the input ended early; it never reads a byte past
// the `count`-th. A count of 0 touches neither channel.
//
// The forms taking a Ref throw Strata::IllegalArgumentException for an empty
// reference: "Invalid input channel: channel is null." or "Invalid output
// channel: channel is null.".
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>

#include "Strata/IBinaryChannel.h"
#include "Strata/IllegalArgumentException.h"
#include "Strata/OBinaryChannel.h"
#include "Strata/Ref.h"
#include "Strata/Throw.h"

namespace Quorum::Common::IO {

class BinaryChannelUtilities {
 public:
  static constexpr unsigned int CopyBufferSize = 65536;

  static std::uint64_t Copy(Strata::IBinaryChannel& input, Strata::OBinaryChannel& output,
                            std::uint64_t count) {
    if (count == 0) return 0;
    // Bytes the input holds in memory go to the output from where they lie
    // (ReadInPlace); others pass through a buffer, on the stack while the
    // requests are small, so short copies allocate nothing.
    constexpr unsigned int kStackBufferSize = 4096;
    unsigned char stackBuffer[kStackBufferSize];
    std::unique_ptr<unsigned char[]> heapBuffer;
    std::uint64_t copied = 0;
    while (copied < count) {
      const auto wanted =
          static_cast<unsigned int>(std::min<std::uint64_t>(count - copied, CopyBufferSize));
      if (const unsigned char* bytes = input.ReadInPlace(wanted)) {
        output.Write(bytes, wanted);
        copied += wanted;
        continue;
      }
      unsigned char* buffer = stackBuffer;
      if (wanted > kStackBufferSize) {
        if (heapBuffer == nullptr) {
          heapBuffer = std::make_unique_for_overwrite<unsigned char[]>(CopyBufferSize);
        }
        buffer = heapBuffer.get();
      }
      const unsigned int got = input.Read(buffer, wanted);
      if (got == 0) break;
      output.Write(buffer, got);
      copied += got;
    }
    return copied;
  }

  static std::uint64_t Copy(const Strata::Ref<Strata::IBinaryChannel>& input,
                            Strata::OBinaryChannel& output, std::uint64_t count) {
    if (input.IsNull()) {
      STRATA_THROW(Strata::IllegalArgumentException, "Invalid input channel: channel is null.");
    }
    return Copy(*input, output, count);
  }

  static std::uint64_t Copy(Strata::IBinaryChannel& input,
                            const Strata::Ref<Strata::OBinaryChannel>& output,
                            std::uint64_t count) {
    if (output.IsNull()) {
      STRATA_THROW(Strata::IllegalArgumentException, "Invalid output channel: channel is null.");
    }
    return Copy(input, *output, count);
  }
};

}  // namespace Quorum::Common::IO
