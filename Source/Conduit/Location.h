// Location names a file-system path. It is a plain value: copies are
// independent and equality compares the paths as given (no normalisation, no
// file-system access).
#pragma once

#include "Strata/RequiresCxx20.h"

#include <filesystem>

#include "Conduit/Export.h"
#include "Strata/UniString.h"

namespace Conduit {

class CONDUIT_EXPORT Location {
 public:
  Location() = default;
  // UTF-8 path; null gives the empty location.
  Location(const char* path);
  Location(const Strata::UniString& path);
  Location(std::filesystem::path path) noexcept : path_(std::move(path)) {}

  const std::filesystem::path& GetPath() const noexcept { return path_; }
  bool IsEmpty() const noexcept { return path_.empty(); }
  Strata::UniString ToString() const;

  friend bool operator==(const Location&, const Location&) = default;

 private:
  std::filesystem::path path_;
};

}  // namespace Conduit
