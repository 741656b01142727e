#include "Quorum/Common/IO/FileOBinaryChannel.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "Quorum/Common/Internal/FileError.h"
#include "Strata/Throw.h"

namespace Quorum::Common::IO {
namespace {

constexpr unsigned int kBufferSize = 65536;

int OpenForWriting(const Conduit::Location& location, bool append) {
  const int flags = O_WRONLY | O_CREAT | O_CLOEXEC | (append ? O_APPEND : O_TRUNC);
  const int descriptor = ::open(location.GetPath().c_str(), flags, 0644);
  if (descriptor < 0) internal::ThrowFileError("open", location, errno, STRATA_HERE);
  return descriptor;
}

}  // namespace

FileOBinaryChannel::FileOBinaryChannel(const Conduit::Location& location, bool append, FileShare)
    : location_(location),
      descriptor_(-1),
      buffer_(std::make_unique_for_overwrite<unsigned char[]>(kBufferSize)) {
  // Opened last, so that nothing failing after it can leave it open.
  descriptor_ = OpenForWriting(location, append);
}

FileOBinaryChannel::FileOBinaryChannel(int descriptor, const Conduit::Location& location) try
    : location_(location),
      descriptor_(descriptor),
      buffer_(std::make_unique_for_overwrite<unsigned char[]>(kBufferSize)) {
} catch (...) {
  ::close(descriptor);
}

FileOBinaryChannel::~FileOBinaryChannel() {
  try {
    Close();
  } catch (...) {
    // Documented: the destructor cannot report; Close can.
  }
}

void FileOBinaryChannel::Write(const unsigned char* data, unsigned int count) {
  if (descriptor_ < 0) {
    STRATA_THROW(Strata::IOException,
                 Strata::UniString::Format("Failed to write file '%T': channel is closed.",
                                           location_.ToString()));
  }
  if (count >= kBufferSize) {
    Flush();
    WriteThrough(data, count);
    return;
  }
  if (count > kBufferSize - buffered_) Flush();
  std::memcpy(buffer_.get() + buffered_, data, count);
  buffered_ += count;
}

void FileOBinaryChannel::Flush() {
  if (descriptor_ < 0 || buffered_ == 0) return;
  const unsigned int pending = buffered_;
  buffered_ = 0;
  WriteThrough(buffer_.get(), pending);
}

void FileOBinaryChannel::Close() {
  if (descriptor_ < 0) return;
  try {
    Flush();
  } catch (...) {
    ::close(descriptor_);
    descriptor_ = -1;
    throw;
  }
  const int closed = ::close(descriptor_);
  descriptor_ = -1;
  if (closed != 0 && errno != EINTR)
    internal::ThrowFileError("close", location_, errno, STRATA_HERE);
}

FileBackedChannel::KernelCopyEnd FileOBinaryChannel::PrepareKernelCopy() {
  Flush();
  return {descriptor_, nullptr};
}

void FileOBinaryChannel::WriteThrough(const unsigned char* data, unsigned int count) {
  while (count > 0) {
    const ssize_t written = ::write(descriptor_, data, count);
    if (written < 0) {
      if (errno == EINTR) continue;
      internal::ThrowFileError("write", location_, errno, STRATA_HERE);
    }
    data += written;
    count -= static_cast<unsigned int>(written);
  }
}

}  // namespace Quorum::Common::IO
