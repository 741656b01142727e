#pragma once

#include "Strata/RequiresCxx20.h"

#include <filesystem>
#include <iosfwd>
#include <string>
#include <string_view>

#include "Conduit/Export.h"
#include "Strata/UniString.h"

namespace Conduit {

/// A file-system path.
///
/// A plain value: copies are independent and equality compares the paths as
/// given (no normalisation, no file-system access).
class CONDUIT_EXPORT Location {
 public:
  /// The empty location.
  Location() = default;
  /// A UTF-8 path; null gives the empty location.
  Location(const char* path);
  /// A UTF-8 path held in a standard string.
  ///
  /// The string forms pick the path's bytes as given, as std::filesystem::path
  /// does, and keep `Location(std::string(...))` unambiguous beside the text
  /// and path forms.
  Location(std::string_view path);
  /// A UTF-8 path held in a standard string.
  Location(const std::string& path) : Location(std::string_view(path)) {}
  /// The path of the text.
  Location(const Strata::UniString& path);
  /// The path as given.
  Location(std::filesystem::path path) noexcept : path_(std::move(path)) {}

  /// The path as given.
  const std::filesystem::path& GetPath() const noexcept { return path_; }
  /// True for the empty path.
  bool IsEmpty() const noexcept { return path_.empty(); }
  /// The path as text, from its UTF-8 form.
  Strata::UniString ToString() const;

  /// Equal when the paths are equal as given.
  friend bool operator==(const Location&, const Location&) = default;

 private:
  std::filesystem::path path_;
};

/// Writes the path as UTF-8.
CONDUIT_EXPORT std::ostream& operator<<(std::ostream& out, const Location& location);

}  // namespace Conduit
