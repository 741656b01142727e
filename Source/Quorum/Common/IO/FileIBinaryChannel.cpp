#include "Quorum/Common/IO/FileIBinaryChannel.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <limits>

#include "Quorum/Common/Internal/FileError.h"
#include "Strata/Throw.h"

namespace Quorum::Common::IO {

FileIBinaryChannel::FileIBinaryChannel(const Conduit::Location& location, FileShare)
    : location_(location), descriptor_(::open(location.GetPath().c_str(), O_RDONLY | O_CLOEXEC)) {
  if (descriptor_ < 0) internal::ThrowFileError("open", location_, errno, STRATA_HERE);
}

FileIBinaryChannel::~FileIBinaryChannel() { Close(); }

unsigned int FileIBinaryChannel::GetAvailable() const {
  struct stat status;
  if (descriptor_ < 0 || ::fstat(descriptor_, &status) != 0 || !S_ISREG(status.st_mode)) return 0;
  const off_t position = ::lseek(descriptor_, 0, SEEK_CUR);
  if (position < 0 || position >= status.st_size) return 0;
  return static_cast<unsigned int>(
      std::min<unsigned long long>(static_cast<unsigned long long>(status.st_size - position),
                                   std::numeric_limits<unsigned int>::max()));
}

unsigned int FileIBinaryChannel::Read(unsigned char* data, unsigned int count) {
  if (descriptor_ < 0 || count == 0) return 0;
  for (;;) {
    const ssize_t got = ::read(descriptor_, data, count);
    if (got >= 0) return static_cast<unsigned int>(got);
    if (errno != EINTR) internal::ThrowFileError("read", location_, errno, STRATA_HERE);
  }
}

FileBackedChannel::KernelCopyEnd FileIBinaryChannel::PrepareKernelCopy() {
  return {descriptor_, nullptr};
}

void FileIBinaryChannel::Close() {
  if (descriptor_ >= 0) {
    ::close(descriptor_);
    descriptor_ = -1;
  }
}

}  // namespace Quorum::Common::IO
