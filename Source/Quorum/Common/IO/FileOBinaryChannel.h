#pragma once

#include <memory>

#include "Conduit/Location.h"
#include "Quorum/Common/Export.h"
#include "Quorum/Common/IO/FileBackedChannel.h"
#include "Quorum/Common/IO/FileShare.h"
#include "Strata/OBinaryChannel.h"

namespace Quorum::Common::IO {

/// Writes a file through a 64 KiB buffer.
///
/// Close flushes and closes (a second Close does nothing); writing after
/// Close throws Strata::IOException. The destructor closes without
/// reporting errors: call Close to learn whether the bytes reached the
/// file. Every exception names the file. Not thread-safe.
class QUORUM_COMMON_EXPORT FileOBinaryChannel : public Strata::OBinaryChannel,
                                                public FileBackedChannel {
 public:
  /// Opens the file at `location` for writing. With `append` false the file
  /// is created or emptied first, so after Close it holds exactly the bytes
  /// written; with `append` true bytes go after its present end. `share`
  /// changes nothing on POSIX systems (see FileShare). Throws
  /// Strata::IOException naming the file when it cannot be opened.
  FileOBinaryChannel(const Conduit::Location& location, bool append, FileShare share);
  /// Takes over `descriptor`, open for writing, and writes at its offset;
  /// `location` names the file in messages. Close closes the descriptor, and
  /// so does the constructor when it throws.
  FileOBinaryChannel(int descriptor, const Conduit::Location& location);
  ~FileOBinaryChannel() override;
  FileOBinaryChannel(const FileOBinaryChannel&) = delete;
  FileOBinaryChannel& operator=(const FileOBinaryChannel&) = delete;

  /// Buffers the bytes, writing the buffer out when it fills.
  void Write(const unsigned char* data, unsigned int count) override;
  /// Writes the buffered bytes to the file.
  void Flush() override;
  /// Flushes and closes the file; throws when either fails. A second Close
  /// does nothing.
  void Close() override;
  /// Flushes, then gives the descriptor at its own offset; -1 after Close.
  KernelCopyEnd PrepareKernelCopy() override;

 private:
  QUORUM_COMMON_LOCAL void WriteThrough(const unsigned char* data, unsigned int count);

  Conduit::Location location_;
  int descriptor_;
  std::unique_ptr<unsigned char[]> buffer_;
  unsigned int buffered_ = 0;
};

}  // namespace Quorum::Common::IO
