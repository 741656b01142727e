#pragma once

#include "Strata/RequiresCxx20.h"

namespace Quorum::Common::IO {

/// How a file channel lets others open the same file meanwhile.
///
/// On POSIX systems files are never locked against each other, so every
/// value behaves as ReadWrite; the value is kept for peers on systems that
/// lock.
enum class FileShare : int {
  None = 0,      ///< Others may not open the file.
  Read = 1,      ///< Others may read the file.
  Write = 2,     ///< Others may write the file.
  ReadWrite = 3  ///< Others may read and write the file.
};

}  // namespace Quorum::Common::IO
