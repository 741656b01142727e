#include "Quorum/Common/IO/Files.h"

#include <filesystem>
#include <system_error>

#include "Quorum/Common/Internal/FileError.h"
#include "Strata/IllegalArgumentException.h"
#include "Strata/Throw.h"

namespace Quorum::Common::IO {

void CheckLocation(const Conduit::Location& location, const char* sourceFile,
                   unsigned int sourceLine) {
  if (location.IsEmpty()) {
    throw Strata::IllegalArgumentException("Invalid location: location is empty.", sourceFile,
                                           sourceLine);
  }
  std::error_code error;
  if (std::filesystem::is_directory(location.GetPath(), error)) {
    throw Strata::IllegalArgumentException(
        Strata::UniString::Format("Invalid location: '%T' is a folder.", location.ToString()),
        sourceFile, sourceLine);
  }
  const std::filesystem::path parent = location.GetPath().parent_path();
  if (!parent.empty() && !std::filesystem::is_directory(parent, error)) {
    throw Strata::IllegalArgumentException(
        Strata::UniString::Format("Invalid location: '%T': folder does not exist.",
                                  location.ToString()),
        sourceFile, sourceLine);
  }
}

bool Exists(const Conduit::Location& location) noexcept {
  std::error_code error;
  return std::filesystem::exists(location.GetPath(), error);
}

std::uint64_t GetFileSize(const Conduit::Location& location) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(location.GetPath(), error);
  if (error) internal::ThrowFileError("get the size of", location, error.value(), STRATA_HERE);
  return size;
}

}  // namespace Quorum::Common::IO
