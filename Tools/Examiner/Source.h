// Source is what the decoder reads: a regular file read in place, or bytes
// held in memory (standard input and anything else that cannot be read at
// an offset is read whole first). It is read front to back as an input
// channel, with a look at the next few bytes before they are taken, and at
// any offset for contents that a renderer reads again. Memory use stays at
// one buffer however large a file is. Not thread-safe.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "Strata/IBinaryChannel.h"

namespace Quorum::Tools::Examiner {

// A file that cannot be opened or read: "<path>: cannot open: <reason>".
class FileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Source : public Strata::IBinaryChannel {
 public:
  // The file at `path`, or standard input for "-". Throws FileError when it
  // cannot be opened or is a directory.
  static std::unique_ptr<Source> Open(const std::string& path);
  explicit Source(std::vector<unsigned char> bytes, std::string name = "-");
  Source(const Source&) = delete;
  Source& operator=(const Source&) = delete;
  ~Source() override;

  // Throws FileError when the file fails or holds fewer bytes than it did
  // when opened.
  unsigned int Read(unsigned char* data, unsigned int count) override;
  unsigned int GetAvailable() const override;

  std::uint64_t GetSize() const noexcept { return size_; }
  std::uint64_t GetPosition() const noexcept { return position_; }
  std::uint64_t GetRemaining() const noexcept { return size_ - position_; }
  // Copies the next `count` bytes (at most PeekLimit, and no more than
  // remain) without taking them.
  void Peek(unsigned char* data, std::size_t count);
  // Moves past `count` bytes; no more than remain.
  void Skip(std::uint64_t count);
  // Copies `count` bytes starting at `offset` without moving; the range must
  // lie within GetSize(). Throws FileError as Read does.
  void ReadAt(std::uint64_t offset, unsigned char* data, std::size_t count) const;

  static constexpr std::size_t PeekLimit = 64;

 private:
  Source(int descriptor, std::uint64_t size, std::string name);
  void Fill();
  [[noreturn]] void ThrowReadError(int error) const;

  std::string name_;
  int descriptor_ = -1;  // -1 for bytes in memory
  std::vector<unsigned char> memory_;
  // A file's bytes from bufferStart_ on, `buffered_` of them.
  std::vector<unsigned char> buffer_;
  std::uint64_t bufferStart_ = 0;
  std::size_t buffered_ = 0;
  std::uint64_t size_ = 0;
  std::uint64_t position_ = 0;
};

}  // namespace Quorum::Tools::Examiner
