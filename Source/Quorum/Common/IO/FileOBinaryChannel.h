// FileOBinaryChannel writes a file through a 64 KiB buffer. With `append`
// false the file is created or emptied first, so after Close it holds exactly
// the bytes written; with `append` true bytes go after its present end.
// Close flushes and closes (a second Close does nothing); writing after Close
// throws Strata::IOException. The destructor closes without reporting errors:
// call Close to learn whether the bytes reached the file. Every exception
// names the file.
#pragma once

#include <memory>

#include "Conduit/Location.h"
#include "Quorum/Common/Export.h"
#include "Quorum/Common/IO/FileBackedChannel.h"
#include "Quorum/Common/IO/FileShare.h"
#include "Strata/OBinaryChannel.h"

namespace Quorum::Common::IO {

class QUORUM_COMMON_EXPORT FileOBinaryChannel : public Strata::OBinaryChannel,
                                                public FileBackedChannel {
 public:
  FileOBinaryChannel(const Conduit::Location& location, bool append, FileShare share);
  /// Takes over `descriptor`, open for writing, and writes at its offset;
  /// `location` names the file in messages. Close closes the descriptor, and
  /// so does the constructor when it throws.
  FileOBinaryChannel(int descriptor, const Conduit::Location& location);
  ~FileOBinaryChannel() override;
  FileOBinaryChannel(const FileOBinaryChannel&) = delete;
  FileOBinaryChannel& operator=(const FileOBinaryChannel&) = delete;

  void Write(const unsigned char* data, unsigned int count) override;
  void Flush() override;
  void Close() override;
  /// Flushes, then gives the descriptor at its own offset; -1 after Close.
  KernelCopyEnd PrepareKernelCopy() override;

 private:
  void WriteThrough(const unsigned char* data, unsigned int count);

  Conduit::Location location_;
  int descriptor_;
  std::unique_ptr<unsigned char[]> buffer_;
  unsigned int buffered_ = 0;
};

}  // namespace Quorum::Common::IO
