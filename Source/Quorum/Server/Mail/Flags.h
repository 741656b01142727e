#pragma once

#include "Quorum/Server/Mail/CaseInsensitiveTable.h"
#include "Quorum/Server/Mail/Export.h"
#include "Quorum/Server/Mail/Flag.h"
#include "Strata/ConstForwardContainerIterator.h"

namespace Quorum::Server::Mail {

/// The set of flags of one mail: at most one flag per name, names matched
/// without regard to case, each kept in the caller's case.
///
/// Entries keep a storage order (append; replace in place; removal moves the
/// last entry into the hole) that Enumerate, ToString and Write follow;
/// equality ignores it. Operations on one flag take O(1) on average, those
/// taking another set O(size of that set). A value type, not thread-safe.
///
/// The operations taking a name throw Strata::IllegalArgumentException
/// "Invalid flag name: name is empty." for an empty name; those taking a Flag
/// throw "Invalid flag: flag is not valid." for a flag with an empty name;
/// those taking a set throw "Invalid flags: flags is empty." for an empty
/// set. A failed operation leaves the set unchanged.
class QUORUM_MAIL_EXPORT Flags {
 public:
  /// Stores the flag, replacing the one of the same name (any case) in its
  /// place, so the stored name takes the new case.
  ///@{
  Flags& Set(const Strata::UniString& name);
  Flags& Set(const Flag& flag);
  ///@}
  /// Appends each flag of `flags` that is absent here; flags already present
  /// keep their stored case.
  Flags& Set(const Flags& flags);

  /// Removes the flag of that name (any case); true when there was one.
  ///@{
  bool Remove(const Strata::UniString& name);
  bool Remove(const Flag& flag);
  ///@}
  /// Removes every flag of `flags` that is present; true when any was.
  bool Remove(const Flags& flags);

  /// True when a flag of that name (any case) is present.
  ///@{
  bool Contains(const Strata::UniString& name) const;
  bool Contains(const Flag& flag) const;
  ///@}
  /// True when every flag of `flags` is present.
  bool Contains(const Flags& flags) const;

  /// Removes every flag and releases the storage.
  Flags& Clear() noexcept;
  /// The number of flags.
  unsigned int GetSize() const noexcept { return table_.GetSize(); }
  /// True when there are no flags.
  bool IsEmpty() const noexcept { return table_.IsEmpty(); }
  /// The flags in storage order; invalidated by any change.
  Strata::ConstForwardContainerIterator<Flag> Enumerate() const { return table_.Enumerate(); }
  /// The same sequence for range-based for and std::ranges algorithms.
  ///@{
  auto begin() const { return Enumerate().begin(); }
  auto end() const { return Enumerate().end(); }
  ///@}

  /// Same names without regard to case; order and stored case ignored.
  ///@{
  bool operator==(const Flags& other) const { return table_ == other.table_; }
  bool operator!=(const Flags& other) const { return !(*this == other); }
  ///@}
  /// Exchanges the flags.
  void Swap(Flags& other) noexcept { table_.Swap(other.table_); }

  /// The names in storage order, a ',' (no space) put before each when the
  /// text so far is not empty, for display; the empty text for an empty set.
  Strata::UniString ToString() const;

  /// The count as an unsigned int, then each name in storage order.
  void Write(Strata::OChannelX& channel) const { table_.Write(channel); }
  /// Reads a count and that many names, stored as read (unchecked; a later
  /// name replaces an earlier equal one in its place). Unchanged if it
  /// throws.
  void Read(Strata::IChannelX& channel) { table_.Read(channel); }

 private:
  internal::CaseInsensitiveTable<Flag> table_;
};

}  // namespace Quorum::Server::Mail
