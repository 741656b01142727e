#pragma once

#include "Conduit/Location.h"
#include "Quorum/Common/Export.h"
#include "Quorum/Common/IO/FileBackedChannel.h"
#include "Quorum/Common/IO/FileShare.h"
#include "Strata/IBinaryChannel.h"

namespace Quorum::Common::IO {

/// Reads a file from its first byte to its end.
///
/// The file stays open until Close or the destructor. Not thread-safe.
class QUORUM_COMMON_EXPORT FileIBinaryChannel : public Strata::IBinaryChannel,
                                                public FileBackedChannel {
 public:
  /// Opens the file at `location` for reading; `share` changes nothing on
  /// POSIX systems (see FileShare). Throws Strata::IOException naming the
  /// file when it cannot be opened.
  FileIBinaryChannel(const Conduit::Location& location, FileShare share);
  ~FileIBinaryChannel() override;
  FileIBinaryChannel(const FileIBinaryChannel&) = delete;
  FileIBinaryChannel& operator=(const FileIBinaryChannel&) = delete;

  /// Reads up to `count` bytes; 0 at the end and after Close. Throws
  /// Strata::IOException naming the file when the read fails.
  unsigned int Read(unsigned char* data, unsigned int count) override;
  /// The bytes between the position and the end of a regular file (at most
  /// the largest unsigned int); 0 for other files, after Close or on error.
  unsigned int GetAvailable() const override;
  /// Closes the file; a second Close does nothing.
  void Close() override;
  /// The descriptor at its own offset; -1 after Close.
  KernelCopyEnd PrepareKernelCopy() override;

 private:
  Conduit::Location location_;
  int descriptor_;
};

}  // namespace Quorum::Common::IO
