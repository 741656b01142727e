// Test support: the test programs that link KernelCopyCalls.cpp replace the
// C library's copy_file_range and sendfile with versions that count their
// calls and fail on request, and otherwise make the same system calls. The
// library calls them through the dynamic linker, so its copies are seen too.
// open is replaced as well, so that a test can refuse unnamed files
// (O_TMPFILE) as a file system without them does.
#pragma once

#include <cstddef>

namespace KernelCopyCalls {

struct Script {
  // Calls made, and bytes they moved.
  int copyFileRange = 0;
  int sendfile = 0;
  long long copyFileRangeBytes = 0;
  long long sendfileBytes = 0;
  // When not 0, the calls after the first `failAfter` fail with this errno:
  // `failCount` of them, or all when it is 0.
  int copyFileRangeError = 0;
  int sendfileError = 0;
  int failAfter = 0;
  int failCount = 0;
  // When not 0, each call moves at most this many bytes.
  std::size_t piece = 0;
  // Opens of an unnamed file, and the errno they fail with when not 0.
  int openUnnamed = 0;
  int openUnnamedError = 0;
};

// What the replacements do and count; a test sets it up and reads it back.
extern Script script;

// Starts a fresh script for the scope and leaves the calls alone after it.
struct Scope {
  explicit Scope(const Script& start = {}) { script = start; }
  ~Scope() { script = {}; }
  Scope(const Scope&) = delete;
  Scope& operator=(const Scope&) = delete;
};

}  // namespace KernelCopyCalls
