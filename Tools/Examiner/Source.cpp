#include "Source.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <utility>

namespace Quorum::Tools::Examiner {

namespace {

constexpr std::size_t BufferSize = std::size_t{64} << 10;

std::string Reason(int error) { return std::strerror(error); }

// Everything a descriptor that cannot be read at an offset delivers.
std::vector<unsigned char> ReadWhole(int descriptor, const std::string& name) {
  std::vector<unsigned char> bytes;
  std::vector<unsigned char> piece(BufferSize);
  for (;;) {
    const ssize_t got = ::read(descriptor, piece.data(), piece.size());
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) throw FileError(name + ": cannot read: " + Reason(errno));
    if (got == 0) return bytes;
    bytes.insert(bytes.end(), piece.begin(), piece.begin() + got);
  }
}

class Descriptor {
 public:
  explicit Descriptor(int descriptor) noexcept : descriptor_(descriptor) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (descriptor_ > STDERR_FILENO) ::close(descriptor_);
  }
  int Get() const noexcept { return descriptor_; }
  int Release() noexcept { return std::exchange(descriptor_, -1); }

 private:
  int descriptor_;
};

}  // namespace

std::unique_ptr<Source> Source::Open(const std::string& path) {
  const bool standardInput = path == "-";
  Descriptor descriptor(standardInput ? STDIN_FILENO : ::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (descriptor.Get() < 0) throw FileError(path + ": cannot open: " + Reason(errno));
  struct stat status {};
  if (::fstat(descriptor.Get(), &status) != 0) {
    throw FileError(path + ": cannot open: " + Reason(errno));
  }
  if (S_ISDIR(status.st_mode)) throw FileError(path + ": cannot read: " + Reason(EISDIR));
  if (S_ISREG(status.st_mode) && !standardInput) {
    return std::unique_ptr<Source>(
        new Source(descriptor.Release(), static_cast<std::uint64_t>(status.st_size), path));
  }
  return std::make_unique<Source>(ReadWhole(descriptor.Get(), path), path);
}

Source::Source(std::vector<unsigned char> bytes, std::string name)
    : name_(std::move(name)), memory_(std::move(bytes)), size_(memory_.size()) {}

Source::Source(int descriptor, std::uint64_t size, std::string name)
    : name_(std::move(name)), descriptor_(descriptor), buffer_(BufferSize), size_(size) {}

Source::~Source() {
  if (descriptor_ >= 0) ::close(descriptor_);
}

unsigned int Source::Read(unsigned char* data, unsigned int count) {
  const auto n = static_cast<unsigned int>(std::min<std::uint64_t>(count, GetRemaining()));
  if (n == 0) return 0;
  if (descriptor_ < 0) {
    std::memcpy(data, memory_.data() + position_, n);
  } else if (n >= BufferSize) {
    ReadAt(position_, data, n);
  } else {
    if (position_ < bufferStart_ || position_ + n > bufferStart_ + buffered_) Fill();
    std::memcpy(data, buffer_.data() + (position_ - bufferStart_), n);
  }
  position_ += n;
  return n;
}

unsigned int Source::GetAvailable() const {
  return static_cast<unsigned int>(
      std::min<std::uint64_t>(GetRemaining(), std::numeric_limits<unsigned int>::max()));
}

void Source::Peek(unsigned char* data, std::size_t count) {
  if (count == 0) return;
  if (descriptor_ < 0) {
    std::memcpy(data, memory_.data() + position_, count);
    return;
  }
  if (position_ < bufferStart_ || position_ + count > bufferStart_ + buffered_) Fill();
  std::memcpy(data, buffer_.data() + (position_ - bufferStart_), count);
}

void Source::Skip(std::uint64_t count) { position_ += std::min(count, GetRemaining()); }

void Source::ReadAt(std::uint64_t offset, unsigned char* data, std::size_t count) const {
  if (count == 0) return;
  if (descriptor_ < 0) {
    std::memcpy(data, memory_.data() + offset, count);
    return;
  }
  while (count > 0) {
    const ssize_t got = ::pread(descriptor_, data, std::min<std::size_t>(count, BufferSize),
                                static_cast<off_t>(offset));
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) ThrowReadError(errno);
    if (got == 0) throw FileError(name_ + ": cannot read: the file became shorter while read");
    data += got;
    offset += static_cast<std::uint64_t>(got);
    count -= static_cast<std::size_t>(got);
  }
}

void Source::Fill() {
  buffered_ = 0;
  const auto n = static_cast<std::size_t>(std::min<std::uint64_t>(BufferSize, GetRemaining()));
  ReadAt(position_, buffer_.data(), n);
  bufferStart_ = position_;
  buffered_ = n;
}

void Source::ThrowReadError(int error) const {
  throw FileError(name_ + ": cannot read: " + Reason(error));
}

}  // namespace Quorum::Tools::Examiner
