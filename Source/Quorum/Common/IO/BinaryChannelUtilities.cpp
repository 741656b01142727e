#include "Quorum/Common/IO/BinaryChannelUtilities.h"

#include <sys/sendfile.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <memory>

#include "Quorum/Common/IO/FileBackedChannel.h"
#include "Strata/IllegalArgumentException.h"
#include "Strata/Throw.h"

namespace Quorum::Common::IO {
namespace {

// One system call moves at most this much, well below what the kernel takes.
constexpr std::uint64_t kKernelPiece = std::uint64_t{1} << 30;

bool IsRegularFile(int descriptor) noexcept {
  struct stat status;
  return descriptor >= 0 && ::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode);
}

// Runs `move(piece)`, a system call moving at most `piece` bytes, until
// `count` bytes moved, the input ends or the call fails; returns the bytes
// moved. A failure is not reported: the caller goes on another way, which
// meets the same failure and reports it as the channels do.
template <typename Move>
std::uint64_t MoveInKernel(std::uint64_t count, const Move& move) noexcept {
  std::uint64_t moved = 0;
  while (moved < count) {
    const ssize_t done = move(static_cast<std::size_t>(std::min(count - moved, kKernelPiece)));
    if (done > 0) {
      moved += static_cast<std::uint64_t>(done);
    } else if (done == 0 || errno != EINTR) {
      break;
    }
  }
  return moved;
}

// Offsets as the system calls take them, written back as they advance.
struct Offset {
  explicit Offset(std::int64_t* channel) noexcept
      : channel(channel), value(channel ? *channel : 0) {}
  loff_t* ForCopy() noexcept { return channel == nullptr ? nullptr : &value; }
  void Advance(ssize_t done) noexcept {
    if (channel != nullptr && done > 0) *channel = value;
  }
  std::int64_t* channel;
  loff_t value;
};

// Copies what the kernel can of `count` bytes between two file channels and
// returns the count copied; 0 when either end is no regular file. It stops
// at an end of input reported by the system, which the buffered copy then
// confirms, since some files report their end too early.
std::uint64_t CopyInKernel(Strata::IBinaryChannel& input, Strata::OBinaryChannel& output,
                           std::uint64_t count) {
  auto* source = dynamic_cast<FileBackedChannel*>(&input);
  auto* target = dynamic_cast<FileBackedChannel*>(&output);
  if (source == nullptr || target == nullptr) return 0;
  const FileBackedChannel::KernelCopyEnd from = source->PrepareKernelCopy();
  if (!IsRegularFile(from.descriptor)) return 0;
  const FileBackedChannel::KernelCopyEnd to = target->PrepareKernelCopy();
  if (!IsRegularFile(to.descriptor)) return 0;

  Offset in(from.offset), out(to.offset);
  bool ended = false;
  std::uint64_t copied = MoveInKernel(count, [&](std::size_t piece) {
    const ssize_t done =
        ::copy_file_range(from.descriptor, in.ForCopy(), to.descriptor, out.ForCopy(), piece, 0);
    in.Advance(done);
    out.Advance(done);
    ended = done == 0;
    return done;
  });
  // sendfile writes at the output's own file offset only.
  if (copied < count && !ended && to.offset == nullptr) {
    copied += MoveInKernel(count - copied, [&](std::size_t piece) {
      const ssize_t done = ::sendfile(to.descriptor, from.descriptor, in.ForCopy(), piece);
      in.Advance(done);
      return done;
    });
  }
  return copied;
}

// Bytes the input holds in memory go to the output from where they lie
// (ReadInPlace); others pass through a buffer, on the stack while the
// requests are small, so short copies allocate nothing.
std::uint64_t CopyThroughBuffer(Strata::IBinaryChannel& input, Strata::OBinaryChannel& output,
                                std::uint64_t count) {
  constexpr unsigned int kSize = BinaryChannelUtilities::CopyBufferSize;
  constexpr unsigned int kStackBufferSize = 4096;
  unsigned char stackBuffer[kStackBufferSize];
  std::unique_ptr<unsigned char[]> heapBuffer;
  std::uint64_t copied = 0;
  while (copied < count) {
    const auto wanted = static_cast<unsigned int>(std::min<std::uint64_t>(count - copied, kSize));
    if (const unsigned char* bytes = input.ReadInPlace(wanted)) {
      output.Write(bytes, wanted);
      copied += wanted;
      continue;
    }
    unsigned char* buffer = stackBuffer;
    if (wanted > kStackBufferSize) {
      if (heapBuffer == nullptr)
        heapBuffer = std::make_unique_for_overwrite<unsigned char[]>(kSize);
      buffer = heapBuffer.get();
    }
    const unsigned int got = input.Read(buffer, wanted);
    if (got == 0) break;
    output.Write(buffer, got);
    copied += got;
  }
  return copied;
}

}  // namespace

std::uint64_t BinaryChannelUtilities::Copy(Strata::IBinaryChannel& input,
                                           Strata::OBinaryChannel& output, std::uint64_t count) {
  if (count == 0) return 0;
  // Below one buffer's worth, a kernel copy would cost more system calls
  // than it saves, and would flush an output that may be collecting small
  // writes.
  const std::uint64_t copied = count >= CopyBufferSize ? CopyInKernel(input, output, count) : 0;
  return copied + CopyThroughBuffer(input, output, count - copied);
}

std::uint64_t BinaryChannelUtilities::Copy(const Strata::Ref<Strata::IBinaryChannel>& input,
                                           Strata::OBinaryChannel& output, std::uint64_t count) {
  if (input.IsNull()) {
    STRATA_THROW(Strata::IllegalArgumentException, "Invalid input channel: channel is null.");
  }
  return Copy(*input, output, count);
}

std::uint64_t BinaryChannelUtilities::Copy(Strata::IBinaryChannel& input,
                                           const Strata::Ref<Strata::OBinaryChannel>& output,
                                           std::uint64_t count) {
  if (output.IsNull()) {
    STRATA_THROW(Strata::IllegalArgumentException, "Invalid output channel: channel is null.");
  }
  return Copy(input, *output, count);
}

}  // namespace Quorum::Common::IO
