#include "Quorum/Server/Mail/Disposition.h"

#include <utility>

#include "Strata/IllegalArgumentException.h"
#include "Strata/Throw.h"

namespace Quorum::Server::Mail {
namespace {

const char16_t kAttachmentText[] = u"attachment";
const char16_t kInlineText[] = u"inline";

}  // namespace

void Disposition::Swap(Disposition& other) noexcept { std::swap(type_, other.type_); }

Strata::UniString Disposition::ToString() const {
  switch (type_) {
    case Attachment:
      return Strata::UniString(std::u16string_view(kAttachmentText));
    case Inline:
      return Strata::UniString(std::u16string_view(kInlineText));
  }
  return Strata::UniString();
}

bool Disposition::Parse(const Strata::UniString& text, Disposition& disposition) {
  if (text.IsEmpty()) {
    STRATA_THROW(Strata::IllegalArgumentException, "Invalid disposition string: string is empty.");
  }
  if (text.GetUnits() == kAttachmentText) {
    disposition = Disposition(Attachment);
  } else if (text.GetUnits() == kInlineText) {
    disposition = Disposition(Inline);
  } else {
    return false;
  }
  return true;
}

void Disposition::Write(Strata::OChannelX& channel) const {
  channel.WriteShort(static_cast<std::int16_t>(static_cast<std::uint16_t>(type_)));
}

void Disposition::Read(Strata::IChannelX& channel) {
  type_ = static_cast<Type>(std::int32_t{channel.ReadShort()});
}

}  // namespace Quorum::Server::Mail
