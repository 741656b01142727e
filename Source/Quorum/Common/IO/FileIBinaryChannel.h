// FileIBinaryChannel reads a file from its first byte to its end. Opening a
// file that cannot be read throws Strata::IOException naming it.
#pragma once

#include "Conduit/Location.h"
#include "Quorum/Common/Export.h"
#include "Quorum/Common/IO/FileBackedChannel.h"
#include "Quorum/Common/IO/FileShare.h"
#include "Strata/IBinaryChannel.h"

namespace Quorum::Common::IO {

class QUORUM_COMMON_EXPORT FileIBinaryChannel : public Strata::IBinaryChannel,
                                                public FileBackedChannel {
 public:
  FileIBinaryChannel(const Conduit::Location& location, FileShare share);
  ~FileIBinaryChannel() override;
  FileIBinaryChannel(const FileIBinaryChannel&) = delete;
  FileIBinaryChannel& operator=(const FileIBinaryChannel&) = delete;

  unsigned int Read(unsigned char* data, unsigned int count) override;
  // The bytes between the position and the end of a regular file (at most
  // the largest unsigned int); 0 for other files, after Close or on error.
  unsigned int GetAvailable() const override;
  void Close() override;
  /// The descriptor at its own offset; -1 after Close.
  KernelCopyEnd PrepareKernelCopy() override;

 private:
  Conduit::Location location_;
  int descriptor_;
};

}  // namespace Quorum::Common::IO
