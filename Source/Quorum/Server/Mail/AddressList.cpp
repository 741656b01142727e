#include "Quorum/Server/Mail/AddressList.h"

#include "Quorum/Server/Mail/Internal/SeparatedList.h"
#include "Strata/IllegalArgumentException.h"
#include "Strata/IllegalReferenceException.h"
#include "Strata/Throw.h"

namespace Quorum::Server::Mail {
namespace {

constexpr char16_t kSemicolon = u';';

}  // namespace

void AddressList::CheckAddress(const Address& address) const {
  if (!address.IsValid()) {
    STRATA_THROW(Strata::IllegalArgumentException, "Invalid address: address is not valid.");
  }
}

AddressList& AddressList::Append(const Address& address) {
  CheckAddress(address);
  items_.Append(address);
  return *this;
}

AddressList& AddressList::Append(const AddressList& list) {
  // Fixed before anything is added, so a list appended to itself is copied once.
  const unsigned int count = list.GetSize();
  if (count == 0) {
    STRATA_THROW(Strata::IllegalArgumentException, "Invalid address list: list is empty.");
  }
  for (unsigned int i = 0; i < count; ++i) {
    if (!list.items_[i].IsValid()) {
      STRATA_THROW(Strata::IllegalArgumentException,
                   Strata::UniString::Format("Invalid address list: item [%u] is not valid.", i));
    }
  }
  const unsigned int before = GetSize();
  try {
    for (unsigned int i = 0; i < count; ++i) items_.Append(list.items_[i]);
  } catch (...) {
    while (GetSize() > before) items_.RemoveAt(GetSize() - 1);
    throw;
  }
  return *this;
}

bool AddressList::Remove(const Address& address) {
  CheckAddress(address);
  for (unsigned int i = 0; i < GetSize(); ++i) {
    if (items_[i] == address) {
      items_.RemoveAt(i);
      return true;
    }
  }
  return false;
}

bool AddressList::Contains(const Address& address) const {
  CheckAddress(address);
  for (const Address& item : items_.Enumerate()) {
    if (item == address) return true;
  }
  return false;
}

const Address& AddressList::Get(unsigned int index) const {
  if (index >= GetSize()) {
    STRATA_THROW(
        Strata::IllegalReferenceException,
        Strata::UniString::Format("Invalid index: %u index is out of legal index range [0..%u].",
                                  index, GetSize()));
  }
  return items_[index];
}

bool AddressList::operator==(const AddressList& other) const noexcept {
  if (this == &other) return true;
  if (GetSize() != other.GetSize()) return false;
  for (unsigned int i = 0; i < GetSize(); ++i) {
    if (items_[i] != other.items_[i]) return false;
  }
  return true;
}

Strata::UniString AddressList::ToString() const {
  Strata::UniString text;
  for (const Address& item : items_.Enumerate()) {
    if (!text.IsEmpty()) text.Append(kSemicolon);
    if (item.IsValid()) item.AppendTo(text);  // an invalid item prints as nothing
  }
  return text;
}

// address *(";" address)
bool AddressList::Parse(const Strata::UniString& text, AddressList& list) {
  AddressList scanned;
  const bool parsed = internal::ScanSeparatedList(text, kSemicolon, [&](unsigned int& position) {
    Address address;
    if (!Address::Scan(text, position, address)) return false;
    scanned.items_.Append(std::move(address));
    return true;
  });
  if (parsed) list.Swap(scanned);
  return parsed;
}

void AddressList::Write(Strata::OChannelX& channel) const {
  channel.WriteCount(GetSize());
  for (const Address& item : items_.Enumerate()) item.Write(channel);
}

void AddressList::Read(Strata::IChannelX& channel) {
  const unsigned int count = channel.ReadUnsignedInt();
  Strata::PagedArray<Address> items;
  for (unsigned int i = 0; i < count; ++i) {
    Address address;
    address.Read(channel);
    items.Append(std::move(address));
  }
  items_.Swap(items);
}

}  // namespace Quorum::Server::Mail
