#include "Conduit/Location.h"

#include <ostream>
#include <string>

namespace Conduit {
namespace {

std::filesystem::path FromUtf8(std::string_view text) {
  return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

}  // namespace

Location::Location(const char* path)
    : path_(path == nullptr ? std::filesystem::path() : FromUtf8(path)) {}

Location::Location(std::string_view path) : path_(FromUtf8(path)) {}

Location::Location(const Strata::UniString& path) : path_(FromUtf8(path.ToCStr())) {}

Strata::UniString Location::ToString() const {
  const std::u8string text = path_.u8string();
  return Strata::UniString(reinterpret_cast<const char*>(text.data()),
                           static_cast<unsigned int>(text.size()), Strata::CharacterCode::UTF8);
}

std::ostream& operator<<(std::ostream& out, const Location& location) {
  return out << location.ToString();
}

}  // namespace Conduit
