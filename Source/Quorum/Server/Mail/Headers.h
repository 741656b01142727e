#pragma once

#include "Quorum/Server/Mail/CaseInsensitiveTable.h"
#include "Quorum/Server/Mail/Export.h"
#include "Quorum/Server/Mail/Header.h"
#include "Strata/ConstForwardContainerIterator.h"

namespace Quorum::Server::Mail {

namespace internal {
class TypedHeaders;
}  // namespace internal

/// The collection of headers of a mail or a body part: at most one header
/// per name, names matched without regard to case, each header kept with its
/// name in the caller's case.
///
/// Entries keep a storage order (append; replace in place; removal moves the
/// last entry into the hole) that Enumerate, ToString and Write follow;
/// equality ignores it. Set, Get, Contains and Remove take O(1) on average.
/// A value type, not thread-safe.
class QUORUM_MAIL_EXPORT Headers {
 public:
  /// Stores `header`, replacing the one of the same name (any case) in its
  /// place. Throws Strata::IllegalArgumentException "Invalid header: header
  /// is not valid." when its name is empty.
  void Set(const Header& header);
  /// Stores Header(name, value): throws Strata::IllegalArgumentException
  /// "Invalid header name: name is empty." or InvalidHeaderNameException.
  void Set(const Strata::UniString& name, const Strata::UniString& value);

  /// Copies the header of that name (any case) into `header`; false, with
  /// `header` untouched, when there is none. The look-ups by name throw
  /// Strata::IllegalArgumentException "Invalid header name: name is empty."
  /// for an empty name and apply no other rule.
  bool Get(const Strata::UniString& name, Header& header) const;
  /// The stored header of that name (any case), or null; no copy. The
  /// pointer is invalidated by any change. Same name rule as Get.
  const Header* Find(const Strata::UniString& name) const;
  /// True when a header of that name (any case) is stored. Same name rule as
  /// Get.
  bool Contains(const Strata::UniString& name) const;
  /// True when `header` is stored under its name and equal to the stored
  /// one. Throws "Invalid header: header is not valid." for an empty name.
  bool Contains(const Header& header) const;
  /// Removes the header of that name (any case); true when there was one.
  /// Same name rule as Get.
  bool Remove(const Strata::UniString& name);
  /// Removes the header of the same name only when it equals `header`.
  /// Throws "Invalid header: header is not valid." for an empty name.
  bool Remove(const Header& header);

  /// Removes every header and releases the storage.
  void Clear() noexcept { table_.Clear(); }
  /// The number of headers.
  unsigned int GetSize() const noexcept { return table_.GetSize(); }
  /// True when there are no headers.
  bool IsEmpty() const noexcept { return table_.IsEmpty(); }
  /// The headers in storage order; invalidated by any change.
  Strata::ConstForwardContainerIterator<Header> Enumerate() const { return table_.Enumerate(); }
  /// The same sequence for range-based for and std::ranges algorithms.
  ///@{
  auto begin() const { return Enumerate().begin(); }
  auto end() const { return Enumerate().end(); }
  ///@}

  /// Same headers under the same names (Header equality); order ignored.
  ///@{
  bool operator==(const Headers& other) const { return table_ == other.table_; }
  bool operator!=(const Headers& other) const { return !(*this == other); }
  ///@}
  /// Exchanges the headers.
  void Swap(Headers& other) noexcept { table_.Swap(other.table_); }

  /// "Headers (" then each Header::ToString in storage order joined by ", ",
  /// then ")"; for display only.
  Strata::UniString ToString() const;

  /// The count as an unsigned int, then each header in storage order.
  void Write(Strata::OChannelX& channel) const { table_.Write(channel); }
  /// Reads a count and that many headers, stored as read (unchecked; a later
  /// name replaces an earlier equal one in its place). Unchanged if it
  /// throws.
  void Read(Strata::IChannelX& channel) { table_.Read(channel); }

 private:
  // Rewrites typed headers in one step that cannot fail half-way.
  friend class internal::TypedHeaders;

  internal::CaseInsensitiveTable<Header> table_;
};

}  // namespace Quorum::Server::Mail
