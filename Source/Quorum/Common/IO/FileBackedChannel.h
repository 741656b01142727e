#pragma once

#include <cstdint>

#include "Quorum/Common/Export.h"

namespace Quorum::Common::IO {

/// A byte channel that reads or writes an open file, so that
/// BinaryChannelUtilities::Copy can move bytes between two of them inside the
/// kernel instead of through a buffer of its own.
///
/// File channels derive from it besides their byte channel class. Copy asks
/// both ends with PrepareKernelCopy, moves what the system lets it move, and
/// leaves the rest to the channels' own Read and Write, so a channel keeps
/// its position right whichever way its bytes went. Not thread-safe.
class QUORUM_COMMON_EXPORT FileBackedChannel {
 public:
  /// Where a kernel copy reads or writes the channel's next byte.
  struct KernelCopyEnd {
    /// An open descriptor of the file; -1 when the channel has none (closed).
    int descriptor = -1;
    /// The offset of the next byte, which the copy advances; null when the
    /// descriptor's own file offset is the channel's position.
    std::int64_t* offset = nullptr;
  };

  virtual ~FileBackedChannel();

  /// Pushes out the bytes the channel holds buffered, then tells where its
  /// next byte is. Throws what the channel's Flush throws.
  virtual KernelCopyEnd PrepareKernelCopy() = 0;

 protected:
  FileBackedChannel() = default;
  /// Copies nothing: the interface holds no state.
  FileBackedChannel(const FileBackedChannel&) = default;
  /// Copies nothing: the interface holds no state.
  FileBackedChannel& operator=(const FileBackedChannel&) = default;
};

}  // namespace Quorum::Common::IO
