#pragma once

#include "Strata/RequiresCxx20.h"

#include <compare>
#include <utility>

#include "Quorum/Server/Mail/Export.h"
#include "Strata/IChannelX.h"
#include "Strata/OChannelX.h"
#include "Strata/UniString.h"

namespace Quorum::Server::Mail {

/// The typed value of a mail's importance header: Low < Normal < High, held
/// as a signed 32-bit number and ordered by it.
///
/// A number outside the enumeration (from a conversion or a channel) is kept
/// as it is, has no text and still compares by its number. A value type.
class QUORUM_MAIL_EXPORT Importance {
 public:
  /// The levels, in their order.
  enum Level : int {
    Low = 0,     ///< "low"
    Normal = 1,  ///< "normal", the default
    High = 2     ///< "high"
  };

  /// Converts implicitly from Level; the default is Normal.
  constexpr Importance(Level level = Normal) noexcept : level_(level) {}

  /// The level's number.
  constexpr operator int() const noexcept { return level_; }

  /// Every comparison, with an Importance or a Level, compares the signed
  /// numbers.
  ///@{
  bool operator==(const Importance& other) const noexcept { return level_ == other.level_; }
  bool operator==(Level level) const noexcept { return level_ == level; }
  std::strong_ordering operator<=>(const Importance& other) const noexcept {
    return level_ <=> other.level_;
  }
  std::strong_ordering operator<=>(Level level) const noexcept {
    return level_ <=> static_cast<int>(level);
  }
  ///@}

  /// Exchanges the numbers.
  void Swap(Importance& other) noexcept { std::swap(level_, other.level_); }

  /// "low", "normal" or "high"; the empty text for any other number.
  Strata::UniString ToString() const;
  /// Accepts exactly "high", "normal" and "low"; false, with `importance`
  /// untouched, for any other text. Throws Strata::IllegalArgumentException
  /// "Invalid importance string: string is empty." for the empty text.
  static bool Parse(const Strata::UniString& text, Importance& importance);

  /// One short: the low 16 bits of the number.
  void Write(Strata::OChannelX& channel) const;
  /// One short, sign-extended; unchanged if the read fails.
  void Read(Strata::IChannelX& channel);

 private:
  int level_;
};

}  // namespace Quorum::Server::Mail
