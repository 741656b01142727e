#pragma once

#include "Strata/RequiresCxx20.h"

#include <compare>
#include <utility>

#include "Quorum/Server/Mail/Export.h"
#include "Strata/IChannelX.h"
#include "Strata/OChannelX.h"
#include "Strata/UniString.h"

namespace Quorum::Server::Mail {

/// The typed value of a mail's date headers: a point in time as a plain
/// signed 32-bit number, with no unit or epoch given by this library.
///
/// Every int is a legal date; dates compare as signed numbers. A value type.
class QUORUM_MAIL_EXPORT Date {
 public:
  /// The date `value`; 0 by default.
  constexpr Date(int value = 0) noexcept : value_(value) {}

  /// The number.
  constexpr operator int() const noexcept { return value_; }

  /// Every comparison, with a Date or an int, compares the signed numbers.
  ///@{
  bool operator==(const Date& other) const noexcept { return value_ == other.value_; }
  bool operator==(int value) const noexcept { return value_ == value; }
  std::strong_ordering operator<=>(const Date& other) const noexcept {
    return value_ <=> other.value_;
  }
  std::strong_ordering operator<=>(int value) const noexcept { return value_ <=> value; }
  ///@}

  /// Exchanges the numbers.
  void Swap(Date& other) noexcept { std::swap(value_, other.value_); }

  /// The decimal form ("0", "-17").
  Strata::UniString ToString() const;
  /// Accepts what Quorum::Common::Integer32::Parse accepts; false, with
  /// `date` untouched, otherwise. Throws Strata::IllegalArgumentException
  /// "Invalid date string: string is empty." for the empty text.
  static bool Parse(const Strata::UniString& text, Date& date);

  /// One int.
  void Write(Strata::OChannelX& channel) const;
  /// One int; unchanged if the read fails.
  void Read(Strata::IChannelX& channel);

 private:
  int value_;
};

}  // namespace Quorum::Server::Mail
