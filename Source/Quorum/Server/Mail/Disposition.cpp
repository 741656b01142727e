#include "Quorum/Server/Mail/Disposition.h"

#include <utility>

#include "Quorum/Server/Mail/Internal/NamedNumbers.h"
#include "Strata/Throw.h"

namespace Quorum::Server::Mail {
namespace {

constexpr internal::NamedNumber kWords[] = {
    {Disposition::Attachment, "attachment"},
    {Disposition::Inline, "inline"},
};

}  // namespace

void Disposition::Swap(Disposition& other) noexcept { std::swap(type_, other.type_); }

Strata::UniString Disposition::ToString() const { return internal::WordOf(kWords, type_); }

bool Disposition::Parse(const Strata::UniString& text, Disposition& disposition) {
  return internal::ParseWord(kWords, text, disposition.type_,
                             "Invalid disposition string: string is empty.", STRATA_HERE);
}

void Disposition::Write(Strata::OChannelX& channel) const {
  internal::WriteAsShort(channel, type_);
}

void Disposition::Read(Strata::IChannelX& channel) { type_ = internal::ReadShort(channel); }

}  // namespace Quorum::Server::Mail
