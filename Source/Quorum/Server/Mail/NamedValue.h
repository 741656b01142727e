// Shared core of Header and Parameter: a name kept in the caller's case and a
// text value. Names compare without regard to case, values exactly; on a
// channel the pair is two strings, name first. The public classes derive
// from it privately, add their own name rule and text form, and publish its
// members; it is not meant for other use. Not thread-safe.
#pragma once

#include "Quorum/Server/Mail/Export.h"
#include "Strata/IChannelX.h"
#include "Strata/OChannelX.h"
#include "Strata/UniString.h"

namespace Quorum::Server::Mail::internal {

// True for the characters a header or parameter name may hold: A-Z, a-z,
// 0-9, '_' and '-', compared as UTF-16 code units.
constexpr bool IsNameCharacter(char16_t c) noexcept {
  return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') ||
         c == u'_' || c == u'-';
}

// True when every character of `name` is a name character (also when empty).
QUORUM_MAIL_EXPORT bool HasOnlyNameCharacters(const Strata::UniString& name) noexcept;

class QUORUM_MAIL_EXPORT NamedValue {
 public:
  const Strata::UniString& GetName() const noexcept { return name_; }
  const Strata::UniString& GetValue() const noexcept { return value_; }
  bool IsValid() const noexcept { return !name_.IsEmpty(); }

  // The name, then the value, as strings.
  void Write(Strata::OChannelX& channel) const;
  // Takes any name, the empty one included; unchanged if the read fails.
  void Read(Strata::IChannelX& channel);

  // Names equal without regard to case, values exactly.
  bool operator==(const NamedValue& other) const noexcept;

 protected:
  NamedValue() = default;
  // Stores both unchecked; the derived class applies its name rule.
  NamedValue(const Strata::UniString& name, const Strata::UniString& value)
      : name_(name), value_(value) {}
  NamedValue(const NamedValue&) = default;
  NamedValue(NamedValue&&) noexcept = default;
  // Reuses this pair's storage. Room for both texts is made before either
  // changes, and copying into it cannot fail, so a failure leaves this pair
  // as it was.
  NamedValue& operator=(const NamedValue& other) {
    if (this != &other) {
      name_.Reserve(other.name_.GetLength());
      value_.Reserve(other.value_.GetLength());
      name_ = other.name_;
      value_ = other.value_;
    }
    return *this;
  }
  NamedValue& operator=(NamedValue&&) noexcept = default;
  ~NamedValue() = default;

  void Swap(NamedValue& other) noexcept {
    name_.Swap(other.name_);
    value_.Swap(other.value_);
  }

 private:
  Strata::UniString name_;
  Strata::UniString value_;
};

}  // namespace Quorum::Server::Mail::internal
