#include "Quorum/Server/Mail/Importance.h"

#include "Quorum/Server/Mail/Internal/NamedNumbers.h"
#include "Strata/Throw.h"

namespace Quorum::Server::Mail {
namespace {

constexpr internal::NamedNumber kWords[] = {
    {Importance::High, "high"},
    {Importance::Normal, "normal"},
    {Importance::Low, "low"},
};

}  // namespace

Strata::UniString Importance::ToString() const { return internal::WordOf(kWords, level_); }

bool Importance::Parse(const Strata::UniString& text, Importance& importance) {
  return internal::ParseWord(kWords, text, importance.level_,
                             "Invalid importance string: string is empty.", STRATA_HERE);
}

void Importance::Write(Strata::OChannelX& channel) const {
  internal::WriteAsShort(channel, level_);
}

void Importance::Read(Strata::IChannelX& channel) { level_ = internal::ReadShort(channel); }

}  // namespace Quorum::Server::Mail
