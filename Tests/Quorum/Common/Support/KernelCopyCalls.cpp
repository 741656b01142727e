// open is defined here, so the C library's inline wrapper must stay out.
#undef _FORTIFY_SOURCE

#include "KernelCopyCalls.h"

#include <fcntl.h>
#include <sys/sendfile.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdarg>

namespace KernelCopyCalls {

Script script;

namespace {

// Whether the call numbered `calls` (from 1) is to fail with `error`.
bool Fails(int calls, int error) {
  if (error == 0 || calls <= script.failAfter ||
      (script.failCount != 0 && calls > script.failAfter + script.failCount)) {
    return false;
  }
  errno = error;
  return true;
}

std::size_t Piece(std::size_t asked) {
  return script.piece == 0 ? asked : std::min(asked, script.piece);
}

ssize_t Count(ssize_t moved, long long& bytes) {
  if (moved > 0) bytes += moved;
  return moved;
}

}  // namespace
}  // namespace KernelCopyCalls

using KernelCopyCalls::script;

// Test programs are built with hidden symbols; these must be seen by the
// dynamic linker to stand in for the C library's.
#define KERNEL_COPY_CALL extern "C" __attribute__((visibility("default")))

KERNEL_COPY_CALL ssize_t copy_file_range(int in, off64_t* inOffset, int out, off64_t* outOffset,
                                         std::size_t length, unsigned int flags) {
  if (KernelCopyCalls::Fails(++script.copyFileRange, script.copyFileRangeError)) return -1;
  return KernelCopyCalls::Count(::syscall(SYS_copy_file_range, in, inOffset, out, outOffset,
                                          KernelCopyCalls::Piece(length), flags),
                                script.copyFileRangeBytes);
}

KERNEL_COPY_CALL ssize_t sendfile(int out, int in, off_t* offset, std::size_t count) noexcept {
  if (KernelCopyCalls::Fails(++script.sendfile, script.sendfileError)) return -1;
  return KernelCopyCalls::Count(
      ::syscall(SYS_sendfile, out, in, offset, KernelCopyCalls::Piece(count)),
      script.sendfileBytes);
}

KERNEL_COPY_CALL int open(const char* path, int flags, ...) {
  mode_t mode = 0;
  if ((flags & O_CREAT) != 0 || (flags & O_TMPFILE) == O_TMPFILE) {
    va_list arguments;
    va_start(arguments, flags);
    mode = va_arg(arguments, mode_t);
    va_end(arguments);
  }
  if ((flags & O_TMPFILE) == O_TMPFILE) {
    ++script.openUnnamed;
    if (script.openUnnamedError != 0) {
      errno = script.openUnnamedError;
      return -1;
    }
  }
  return static_cast<int>(::syscall(SYS_openat, AT_FDCWD, path, flags, mode));
}
