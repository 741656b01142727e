#pragma once

#include "Strata/RequiresCxx20.h"

#include <cstdint>

#include "Quorum/Server/Mail/Export.h"
#include "Strata/IChannelX.h"
#include "Strata/OChannelX.h"
#include "Strata/UniString.h"

namespace Quorum::Server::Mail {

/// How a body part is presented: inline or as an attachment.
///
/// It holds the type as a 32-bit number; a number other than those of Type
/// (from a conversion or a channel) is kept as it is and has no text. A value
/// type, not thread-safe.
class QUORUM_MAIL_EXPORT Disposition {
 public:
  /// The presentations. The fixed underlying type makes every 32-bit number a
  /// valid Type.
  enum Type : std::int32_t {
    Attachment = 0,  ///< As an attachment: "attachment".
    Inline = 1       ///< Inline: "inline".
  };

  /// Converts implicitly from Type; the default is Inline.
  Disposition(Type type = Inline) noexcept : type_(type) {}

  /// The type's number.
  operator int() const noexcept { return type_; }

  /// Compares the numbers.
  ///@{
  bool operator==(const Disposition& other) const noexcept { return type_ == other.type_; }
  bool operator==(Type type) const noexcept { return type_ == type; }
  bool operator!=(const Disposition& other) const noexcept { return type_ != other.type_; }
  bool operator!=(Type type) const noexcept { return type_ != type; }
  ///@}

  /// Exchanges the numbers.
  void Swap(Disposition& other) noexcept;

  /// "attachment" or "inline"; the empty text for any other number.
  Strata::UniString ToString() const;

  /// Matches "attachment" and "inline" exactly, case included. Returns false,
  /// leaving `disposition` untouched, for any other text; throws
  /// Strata::IllegalArgumentException "Invalid disposition string: string is
  /// empty." for the empty text.
  static bool Parse(const Strata::UniString& text, Disposition& disposition);

  /// The number as a short (its low 16 bits).
  void Write(Strata::OChannelX& channel) const;
  /// A short, sign-extended; unchanged if the read fails.
  void Read(Strata::IChannelX& channel);

 private:
  std::int32_t type_;
};

}  // namespace Quorum::Server::Mail
