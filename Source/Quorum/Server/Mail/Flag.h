#pragma once

#include "Quorum/Server/Mail/Export.h"
#include "Strata/IChannelX.h"
#include "Strata/OChannelX.h"
#include "Strata/UniString.h"

namespace Quorum::Server::Mail {

/// Marks a mail with a named state such as read or deleted.
///
/// Any non-empty text is a flag name; names compare without regard to case
/// and are kept in the caller's case. A value type, not thread-safe.
class QUORUM_MAIL_EXPORT Flag {
 public:
  /// Empty name; not valid.
  Flag() = default;
  /// The flag `name`. Throws Strata::IllegalArgumentException "Invalid flag
  /// name: name is empty." for an empty name.
  explicit Flag(const Strata::UniString& name);

  /// The name, in the case it was given.
  const Strata::UniString& GetName() const noexcept { return name_; }
  /// True when the name is not empty.
  bool IsValid() const noexcept { return !name_.IsEmpty(); }

  /// Names equal without regard to case.
  ///@{
  bool operator==(const Flag& other) const noexcept;
  bool operator!=(const Flag& other) const noexcept { return !(*this == other); }
  ///@}

  /// The name, unchanged.
  Strata::UniString ToString() const { return name_; }

  /// The name as a string.
  void Write(Strata::OChannelX& channel) const;
  /// Takes any name, the empty one included; unchanged if the read fails.
  void Read(Strata::IChannelX& channel);

 private:
  Strata::UniString name_;
};

}  // namespace Quorum::Server::Mail
