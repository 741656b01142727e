// How a file channel lets others open the same file meanwhile. On POSIX
// systems files are never locked against each other, so every value behaves
// as ReadWrite; the value is kept for peers on systems that lock.
#pragma once

#include "Strata/RequiresCxx20.h"

namespace Quorum::Common::IO {

enum class FileShare : int { None = 0, Read = 1, Write = 2, ReadWrite = 3 };

}  // namespace Quorum::Common::IO
