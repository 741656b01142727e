#include "Quorum/Server/Mail/Importance.h"

#include "Quorum/Server/Mail/NamedNumbers.h"
#include "Strata/IllegalArgumentException.h"
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
  if (text.IsEmpty()) {
    STRATA_THROW(Strata::IllegalArgumentException, "Invalid importance string: string is empty.");
  }
  return internal::FindNumber(kWords, text, importance.level_);
}

void Importance::Write(Strata::OChannelX& channel) const {
  internal::WriteAsShort(channel, level_);
}

void Importance::Read(Strata::IChannelX& channel) { level_ = internal::ReadShort(channel); }

}  // namespace Quorum::Server::Mail
