#pragma once

#include <cstdint>

#include "Quorum/Common/Export.h"
#include "Strata/IBinaryChannel.h"
#include "Strata/OBinaryChannel.h"
#include "Strata/Ref.h"

namespace Quorum::Common::IO {

/// Copying between byte channels. Holds no state.
class QUORUM_COMMON_EXPORT BinaryChannelUtilities {
 public:
  /// The most bytes Copy asks the input for at a time, and the least it
  /// copies inside the kernel.
  static constexpr unsigned int CopyBufferSize = 65536;

  /// Moves at most `count` bytes from `input` to `output`. It returns the
  /// number copied, which is less than `count` only when the input ended
  /// early; it never reads a byte past the `count`-th. A count of 0 touches
  /// neither channel.
  ///
  /// Between two channels that are files (both FileBackedChannel, both on
  /// regular files) a count of 65,536 bytes or more is copied inside the
  /// kernel (copy_file_range, else sendfile), after the output's buffered
  /// bytes were flushed; whatever the system refuses or leaves over goes the
  /// buffered way. Otherwise the input is asked for min(count - copied,
  /// 65536) bytes at a time and exactly what came is written: bytes the
  /// input holds in memory go to the output from where they lie
  /// (ReadInPlace), others pass through one buffer (Read may return fewer).
  /// Either way the channels' positions follow the bytes copied, and the
  /// bytes and the errors are those of the buffered copy.
  static std::uint64_t Copy(Strata::IBinaryChannel& input, Strata::OBinaryChannel& output,
                            std::uint64_t count);

  /// As Copy with references; throws Strata::IllegalArgumentException for
  /// an empty reference: "Invalid input channel: channel is null." or
  /// "Invalid output channel: channel is null.".
  ///@{
  static std::uint64_t Copy(const Strata::Ref<Strata::IBinaryChannel>& input,
                            Strata::OBinaryChannel& output, std::uint64_t count);
  static std::uint64_t Copy(Strata::IBinaryChannel& input,
                            const Strata::Ref<Strata::OBinaryChannel>& output, std::uint64_t count);
  ///@}
};

}  // namespace Quorum::Common::IO
