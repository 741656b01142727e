#include "Quorum/Server/Mail/MailFetchPlan.h"

#include <utility>

#include "Strata/IllegalArgumentException.h"
#include "Strata/Throw.h"

namespace Quorum::Server::Mail {
namespace {

// The bits of the requested mail parts.
constexpr unsigned int kBodyPartHeaders = 0x01;
constexpr unsigned int kBodyParts = 0x02;
constexpr unsigned int kMailHeaders = 0x04;
constexpr unsigned int kMailFlags = 0x08;
constexpr unsigned int kAll = 0x10;

}  // namespace

MailFetchPlan& MailFetchPlan::AddAll() {
  SetFlag(kAll, true);
  return *this;
}

MailFetchPlan& MailFetchPlan::AddBodyPartHeaders() {
  SetFlag(kBodyPartHeaders, true);
  return *this;
}

MailFetchPlan& MailFetchPlan::AddBodyParts() {
  SetFlag(kBodyParts, true);
  return *this;
}

MailFetchPlan& MailFetchPlan::AddMailFlags() {
  SetFlag(kMailFlags, true);
  return *this;
}

MailFetchPlan& MailFetchPlan::AddMailHeaders() {
  SetFlag(kMailHeaders, true);
  return *this;
}

MailFetchPlan& MailFetchPlan::AddBodyPart(const Strata::UniString& name) {
  CheckName(name, STRATA_HERE);
  requestedBodyParts_.Add(name);
  return *this;
}

bool MailFetchPlan::IsBodyPartHeadersRequested() const noexcept {
  return GetFlag(kBodyPartHeaders | kBodyParts | kAll);
}

bool MailFetchPlan::IsBodyPartsRequested() const noexcept { return GetFlag(kBodyParts | kAll); }

bool MailFetchPlan::IsMailHeadersRequested() const noexcept { return GetFlag(kMailHeaders | kAll); }

bool MailFetchPlan::IsMailFlagsRequested() const noexcept { return GetFlag(kMailFlags | kAll); }

bool MailFetchPlan::IsAllRequested() const noexcept { return GetFlag(kAll); }

bool MailFetchPlan::IsBodyPartRequested(const Strata::UniString& name) const {
  CheckName(name, STRATA_HERE);
  return GetFlag(kBodyParts | kAll) || requestedBodyParts_.Contains(name);
}

void MailFetchPlan::SetRequestedBodyParts(const Strata::HashSet<Strata::UniString>& names) {
  Strata::HashSet<Strata::UniString> copy(names);
  requestedBodyParts_.Swap(copy);
}

bool MailFetchPlan::operator==(const MailFetchPlan& other) const {
  if (this == &other) return true;
  if (requestedMailParts_ != other.requestedMailParts_) return false;
  if (requestedBodyParts_.GetSize() != other.requestedBodyParts_.GetSize()) return false;
  for (const Strata::UniString& name : requestedBodyParts_) {
    if (!other.requestedBodyParts_.Contains(name)) return false;
  }
  return true;
}

void MailFetchPlan::Swap(MailFetchPlan& other) noexcept {
  requestedBodyParts_.Swap(other.requestedBodyParts_);
  std::swap(requestedMailParts_, other.requestedMailParts_);
}

void MailFetchPlan::Write(Strata::OChannelX& channel) const {
  channel.WriteCount(requestedBodyParts_.GetSize());
  for (const Strata::UniString& name : requestedBodyParts_) channel.WriteUniString(name);
  channel.WriteUnsignedInt(requestedMailParts_);
}

void MailFetchPlan::Read(Strata::IChannelX& channel) {
  // The count comes from the peer: names are added as they arrive, so a
  // false count ends in the channel's exception, not in a large allocation.
  Strata::HashSet<Strata::UniString> names;
  const unsigned int count = channel.ReadUnsignedInt();
  for (unsigned int i = 0; i < count; ++i) names.Add(channel.ReadUniString());
  const unsigned int bits = channel.ReadUnsignedInt();
  requestedBodyParts_.Swap(names);
  requestedMailParts_ = bits;
}

void MailFetchPlan::CheckName(const Strata::UniString& name, const char* sourceFile,
                              unsigned int sourceLine) {
  if (name.IsEmpty()) {
    throw Strata::IllegalArgumentException("Invalid body part name: name is empty.", sourceFile,
                                           sourceLine);
  }
}

void MailFetchPlan::SetFlag(unsigned int mask, bool value) noexcept {
  if (value) {
    requestedMailParts_ |= mask;
  } else {
    requestedMailParts_ &= ~mask;
  }
}

}  // namespace Quorum::Server::Mail
