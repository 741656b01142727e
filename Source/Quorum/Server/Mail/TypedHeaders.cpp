#include "Quorum/Server/Mail/TypedHeaders.h"

#include <utility>

namespace Quorum::Server::Mail {

TypedHeaders::TypedHeaders(TypedHeaders&& other) noexcept
    : typed_(other.typed_), bits_(std::exchange(other.bits_, 0)) {
  headers_.Swap(other.headers_);
}

TypedHeaders& TypedHeaders::operator=(TypedHeaders&& other) noexcept {
  TypedHeaders taken(std::move(other));
  Swap(taken);
  return *this;
}

bool TypedHeaders::FindValue(const Strata::UniString& name, Strata::UniString& value) const {
  Header header;
  if (!headers_.Get(name, header)) return false;
  value = header.GetValue();
  return true;
}

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
  Remove(name);
  if (present) Set(name, text);
}

void TypedHeaders::Exchange(Headers& headers) noexcept {
  headers_.Swap(headers);
  bits_ = 0;
}

void TypedHeaders::Clear() noexcept {
  headers_.Clear();
  bits_ = 0;
}

void TypedHeaders::Swap(TypedHeaders& other) noexcept {
  std::swap(typed_, other.typed_);
  headers_.Swap(other.headers_);
  std::swap(bits_, other.bits_);
}

void TypedHeaders::Forget(const Strata::UniString& name) noexcept {
  for (const Typed& typed : typed_) {
    if (name.IsEqual(*typed.name, Strata::CaseSensitivity::Insensitive)) {
      bits_ = static_cast<unsigned char>(bits_ & ~typed.bit);
      return;
    }
  }
}

}  // namespace Quorum::Server::Mail
