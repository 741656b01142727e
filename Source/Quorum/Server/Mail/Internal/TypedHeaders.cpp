#include "Quorum/Server/Mail/Internal/TypedHeaders.h"

namespace Quorum::Server::Mail::internal {

bool FindValue(const Headers& headers, const Strata::UniString& name, Strata::UniString& value) {
  const Header* header = headers.Find(name);
  if (header == nullptr) return false;
  value = header->GetValue();
  return true;
}

// Each change copies the name first: it may be the name of a stored header,
// which the change replaces or removes.

void TypedHeaders::Set(const Header& header) {
  const Strata::UniString name = header.GetName();
  headers_.Set(header);
  Forget(name);
}

void TypedHeaders::Set(const Strata::UniString& name, const Strata::UniString& value) {
  const Strata::UniString kept = name;
  headers_.Set(kept, value);
  Forget(kept);
}

bool TypedHeaders::Remove(const Header& header) {
  const Strata::UniString name = header.GetName();
  const bool removed = headers_.Remove(header);
  Forget(name);
  return removed;
}

bool TypedHeaders::Remove(const Strata::UniString& name) {
  const Strata::UniString kept = name;
  const bool removed = headers_.Remove(kept);
  Forget(kept);
  return removed;
}

void TypedHeaders::Rewrite(const Strata::UniString& name, bool present,
                           const Strata::UniString& text) {
  if (!present) {
    Remove(name);
    return;
  }
  Header header(name, text);
  const Strata::UniString kept = name;
  headers_.table_.StoreLast(std::move(header));
  Forget(kept);
}

void TypedHeaders::Exchange(Headers& headers) noexcept {
  headers_.Swap(headers);
  bits_ = 0;
}

void TypedHeaders::Clear() noexcept {
  headers_.Clear();
  bits_ = 0;
}

void TypedHeaders::Forget(const Strata::UniString& name) noexcept {
  for (const Typed& typed : typed_) {
    if (name.IsEqual(*typed.name, Strata::CaseSensitivity::Insensitive)) {
      bits_ = static_cast<unsigned char>(bits_ & ~typed.bit);
      return;
    }
  }
}

}  // namespace Quorum::Server::Mail::internal
