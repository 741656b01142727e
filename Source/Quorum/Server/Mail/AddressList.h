#pragma once

#include "Quorum/Server/Mail/Address.h"
#include "Quorum/Server/Mail/Export.h"
#include "Strata/ConstRandomContainerIterator.h"
#include "Strata/IChannelX.h"
#include "Strata/OChannelX.h"
#include "Strata/PagedArray.h"
#include "Strata/UniString.h"

namespace Quorum::Server::Mail {

/// The ordered list of addresses an address header carries, duplicates
/// allowed.
///
/// Its text form joins the addresses' text forms with ';' (no white space,
/// no trailing ';'); a ';' inside a quoted name or inside the angle brackets
/// belongs to the address. Parsing and printing take time proportional to
/// the text's length. A value type; not thread-safe for mutation.
class QUORUM_MAIL_EXPORT AddressList {
 public:
  /// The empty list.
  AddressList() = default;

  /// Adds a copy at the end. Throws Strata::IllegalArgumentException
  /// "Invalid address: address is not valid." for an invalid address.
  AddressList& Append(const Address& address);
  /// Adds copies of the items of `list` present at the call, in order (so
  /// appending a list to itself doubles it once). Throws
  /// Strata::IllegalArgumentException, before adding anything, when `list`
  /// is empty or holds an invalid item.
  AddressList& Append(const AddressList& list);
  /// Removes the first item equal to `address`; false when there is none.
  /// Throws Strata::IllegalArgumentException for an invalid address.
  bool Remove(const Address& address);
  /// True when an item equals `address`. Throws
  /// Strata::IllegalArgumentException for an invalid address.
  bool Contains(const Address& address) const;
  /// The item at `index`. Throws Strata::IllegalReferenceException when
  /// `index` is not below GetSize().
  const Address& Get(unsigned int index) const;

  /// The number of items.
  unsigned int GetSize() const noexcept { return items_.GetSize(); }
  /// True when there are no items.
  bool IsEmpty() const noexcept { return items_.IsEmpty(); }
  /// Removes every item and releases the storage.
  void Clear() noexcept { items_.Clear(); }
  /// The items in index order; invalidated by any change to the list.
  Strata::ConstRandomContainerIterator<Address> Enumerate() const { return items_.Enumerate(); }
  /// The same sequence for range-based for and std::ranges algorithms.
  ///@{
  auto begin() const { return Enumerate().begin(); }
  auto end() const { return Enumerate().end(); }
  ///@}
  /// Exchanges the items.
  void Swap(AddressList& other) noexcept { items_.Swap(other.items_); }

  /// Same items in the same order.
  bool operator==(const AddressList& other) const noexcept;

  /// The text form; the empty text for the empty list.
  Strata::UniString ToString() const;
  /// Parses the text form. The empty text gives the empty list. False, with
  /// `list` untouched, on malformed text.
  static bool Parse(const Strata::UniString& text, AddressList& list);

  /// The count as an unsigned int, then each address.
  void Write(Strata::OChannelX& channel) const;
  /// Validates nothing; unchanged when the channel throws. Storage grows
  /// only as addresses arrive, whatever count the channel claims.
  void Read(Strata::IChannelX& channel);

 private:
  QUORUM_MAIL_LOCAL void CheckAddress(const Address& address) const;

  Strata::PagedArray<Address> items_;
};

}  // namespace Quorum::Server::Mail
