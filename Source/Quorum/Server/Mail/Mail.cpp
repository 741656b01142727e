#include "Quorum/Server/Mail/Mail.h"

#include "Quorum/Server/Mail/MailException.h"
#include "Quorum/Server/Mail/MailFlags.h"
#include "Quorum/Server/Mail/MailHeaders.h"
#include "Strata/IllegalArgumentException.h"
#include "Strata/Throw.h"

namespace Quorum::Server::Mail {
namespace {

// Parsed-flag bits, in the order of the cached fields.
constexpr unsigned char kInReplyToBit = 0x01;
constexpr unsigned char kSubjectBit = 0x02;
constexpr unsigned char kReplyToBit = 0x04;
constexpr unsigned char kFromBit = 0x08;
constexpr unsigned char kToBit = 0x10;
constexpr unsigned char kImportanceBit = 0x20;
constexpr unsigned char kReceivedBit = 0x40;
constexpr unsigned char kSentBit = 0x80;

[[noreturn]] void ThrowValueIsEmpty(const Strata::UniString& name, const char* sourceFile,
                                    unsigned int sourceLine) {
  throw MailException(
      Strata::UniString::Format("Failed to parse header: '%T': value is empty.", name), sourceFile,
      sourceLine);
}

[[noreturn]] void ThrowValueIsMalformed(const Strata::UniString& name,
                                        const Strata::UniString& value, const char* sourceFile,
                                        unsigned int sourceLine) {
  throw MailException(
      Strata::UniString::Format("Failed to parse header: '%T': value: '%T'.", name, value),
      sourceFile, sourceLine);
}

void CheckId(const MailId& id) {
  if (id.IsEmpty()) STRATA_THROW(Strata::IllegalArgumentException, "Invalid mail id: id is empty.");
}

}  // namespace

Mail::Mail(const MailId& id) : id_(id) { CheckId(id_); }

Mail::Mail(const MailId& id, const Headers& headers, const BodyParts& bodyParts, const Flags& flags)
    : id_(id) {
  CheckId(id_);
  headers_ = headers;
  bodyParts_ = bodyParts;
  flags_ = flags;
}

Mail& Mail::operator=(const Mail& other) {
  if (this != &other) *this = Mail(other);
  return *this;
}

Mail* Mail::Clone() const { return new Mail(*this); }

void Mail::Swap(Mail& other) noexcept {
  std::swap(id_, other.id_);
  headers_.Swap(other.headers_);
  bodyParts_.Swap(other.bodyParts_);
  flags_.Swap(other.flags_);
  parsedFlags_ = 0;
  other.parsedFlags_ = 0;
}

bool Mail::IsValid() const {
  return !id_.IsEmpty() && headers_.Contains(MailHeaders::From) &&
         headers_.Contains(MailHeaders::To);
}

bool Mail::operator==(const Mail& other) const {
  return this == &other || (id_ == other.id_ && headers_ == other.headers_ &&
                            bodyParts_ == other.bodyParts_ && flags_ == other.flags_);
}

// Raw headers

void Mail::SetHeader(const Header& header) {
  headers_.Set(header);
  Invalidate(header);
}

void Mail::SetHeader(const Strata::UniString& name, const Strata::UniString& value) {
  headers_.Set(name, value);
  Invalidate(name);
}

// The argument may be a stored header, or its name, which removal destroys or
// overwrites with the last header; so the name is copied first.
bool Mail::RemoveHeader(const Header& header) {
  const Strata::UniString name = header.GetName();
  const bool removed = headers_.Remove(header);
  Invalidate(name);
  return removed;
}

bool Mail::RemoveHeader(const Strata::UniString& name) {
  const Strata::UniString kept = name;
  const bool removed = headers_.Remove(kept);
  Invalidate(kept);
  return removed;
}

void Mail::SetHeaders(const Headers& headers) {
  headers_ = headers;
  parsedFlags_ = 0;
}

void Mail::ClearHeaders() {
  headers_.Clear();
  parsedFlags_ = 0;
}

void Mail::Invalidate(const Strata::UniString& name) noexcept {
  struct TypedHeader {
    const Strata::UniString& name;
    unsigned char bit;
  };
  const TypedHeader typed[] = {
      {MailHeaders::InReplyTo, kInReplyToBit},
      {MailHeaders::Subject, kSubjectBit},
      {MailHeaders::ReplyTo, kReplyToBit},
      {MailHeaders::From, kFromBit},
      {MailHeaders::To, kToBit},
      {MailHeaders::Importance, kImportanceBit},
      {MailHeaders::Received, kReceivedBit},
      {MailHeaders::Sent, kSentBit},
  };
  for (const TypedHeader& header : typed) {
    if (name.IsEqual(header.name, Strata::CaseSensitivity::Insensitive)) {
      SetParsedFlag(header.bit, false);
      return;
    }
  }
}

void Mail::Invalidate(const Header& header) noexcept { Invalidate(header.GetName()); }

// Typed getters

const MailId& Mail::GetParentId() {
  if (!IsInReplyToHeaderParsed()) ParseInReplyToHeader();
  return parentId_;
}

const Strata::UniString& Mail::GetSubject() {
  if (!IsSubjectHeaderParsed()) ParseSubjectHeader();
  return subject_;
}

const AddressList& Mail::GetReplyTo() {
  if (!IsReplyToHeaderParsed()) ParseReplyToHeader();
  return replyTo_;
}

const AddressList& Mail::GetFrom() {
  if (!IsFromHeaderParsed()) ParseFromHeader();
  return from_;
}

const AddressList& Mail::GetTo() {
  if (!IsToHeaderParsed()) ParseToHeader();
  return to_;
}

const Importance& Mail::GetImportance() {
  if (!IsImportanceHeaderParsed()) ParseImportanceHeader();
  return importance_;
}

const Date& Mail::GetReceived() {
  if (!IsReceivedHeaderParsed()) ParseReceivedHeader();
  return received_;
}

const Date& Mail::GetSent() {
  if (!IsSentHeaderParsed()) ParseSentHeader();
  return sent_;
}

// Parsing. Each parse commits to its cache only after the value converted,
// so a failure leaves the mail as it was and the next read tries again.

bool Mail::FindHeaderValue(const Strata::UniString& name, Strata::UniString& value) const {
  Header header;
  if (!headers_.Get(name, header)) return false;
  value = header.GetValue();
  return true;
}

void Mail::ParseInReplyToHeader() {
  Strata::UniString value;
  if (!FindHeaderValue(MailHeaders::InReplyTo, value)) {
    parentId_ = MailId();
  } else {
    if (value.IsEmpty()) ThrowValueIsEmpty(MailHeaders::InReplyTo, STRATA_HERE);
    parentId_ = MailId(value);
  }
  SetInReplyToHeaderParsed(true);
}

void Mail::ParseSubjectHeader() {
  Strata::UniString value;
  FindHeaderValue(MailHeaders::Subject, value);
  subject_.Swap(value);
  SetSubjectHeaderParsed(true);
}

void Mail::ParseAddressListHeader(const Strata::UniString& name, AddressList& cache) const {
  Strata::UniString value;
  AddressList parsed;
  if (FindHeaderValue(name, value) && !AddressList::Parse(value, parsed)) {
    ThrowValueIsMalformed(name, value, STRATA_HERE);
  }
  cache.Swap(parsed);
}

void Mail::ParseReplyToHeader() {
  ParseAddressListHeader(MailHeaders::ReplyTo, replyTo_);
  SetReplyToHeaderParsed(true);
}

void Mail::ParseFromHeader() {
  ParseAddressListHeader(MailHeaders::From, from_);
  SetFromHeaderParsed(true);
}

void Mail::ParseToHeader() {
  ParseAddressListHeader(MailHeaders::To, to_);
  SetToHeaderParsed(true);
}

void Mail::ParseImportanceHeader() {
  Strata::UniString value;
  Importance parsed(Importance::Normal);
  if (FindHeaderValue(MailHeaders::Importance, value)) {
    if (value.IsEmpty()) ThrowValueIsEmpty(MailHeaders::Importance, STRATA_HERE);
    if (!Importance::Parse(value, parsed)) {
      ThrowValueIsMalformed(MailHeaders::Importance, value, STRATA_HERE);
    }
  }
  importance_ = parsed;
  SetImportanceHeaderParsed(true);
}

void Mail::ParseDateHeader(const Strata::UniString& name, Date& cache) const {
  Strata::UniString value;
  Date parsed(0);
  if (FindHeaderValue(name, value)) {
    if (value.IsEmpty()) ThrowValueIsEmpty(name, STRATA_HERE);
    if (!Date::Parse(value, parsed)) ThrowValueIsMalformed(name, value, STRATA_HERE);
  }
  cache = parsed;
}

void Mail::ParseReceivedHeader() {
  ParseDateHeader(MailHeaders::Received, received_);
  SetReceivedHeaderParsed(true);
}

void Mail::ParseSentHeader() {
  ParseDateHeader(MailHeaders::Sent, sent_);
  SetSentHeaderParsed(true);
}

// Typed setters: compare with the cache as it stands, then rewrite the header
// through the collection directly, so no parsed bit changes.

void Mail::SetParentId(const MailId& parentId) {
  if (parentId_ == parentId) return;
  parentId_ = parentId;
  UpdateInReplyToHeader();
}

void Mail::SetSubject(const Strata::UniString& subject) {
  if (subject_ == subject) return;
  subject_ = subject;
  UpdateSubjectHeader();
}

void Mail::SetReplyTo(const AddressList& replyTo) {
  if (replyTo_ == replyTo) return;
  replyTo_ = replyTo;
  UpdateReplyToHeader();
}

void Mail::SetFrom(const AddressList& from) {
  if (from_ == from) return;
  from_ = from;
  UpdateFromHeader();
}

void Mail::SetTo(const AddressList& to) {
  if (to_ == to) return;
  to_ = to;
  UpdateToHeader();
}

void Mail::SetImportance(const Importance& importance) {
  if (importance_ == importance) return;
  importance_ = importance;
  UpdateImportanceHeader();
}

void Mail::SetReceived(const Date& received) {
  if (received_ == received) return;
  received_ = received;
  UpdateReceivedHeader();
}

void Mail::SetSent(const Date& sent) {
  if (sent_ == sent) return;
  sent_ = sent;
  UpdateSentHeader();
}

void Mail::RewriteHeader(const Strata::UniString& name, bool present,
                         const Strata::UniString& text) {
  headers_.Remove(name);
  if (present) headers_.Set(name, text);
}

void Mail::UpdateInReplyToHeader() {
  RewriteHeader(MailHeaders::InReplyTo, !parentId_.IsEmpty(), parentId_.GetId());
}

void Mail::UpdateSubjectHeader() {
  RewriteHeader(MailHeaders::Subject, !subject_.IsEmpty(), subject_);
}

void Mail::UpdateReplyToHeader() {
  RewriteHeader(MailHeaders::ReplyTo, !replyTo_.IsEmpty(), replyTo_.ToString());
}

void Mail::UpdateFromHeader() {
  RewriteHeader(MailHeaders::From, !from_.IsEmpty(), from_.ToString());
}

void Mail::UpdateToHeader() { RewriteHeader(MailHeaders::To, !to_.IsEmpty(), to_.ToString()); }

void Mail::UpdateImportanceHeader() {
  headers_.Set(MailHeaders::Importance, importance_.ToString());
}

void Mail::UpdateReceivedHeader() {
  RewriteHeader(MailHeaders::Received, received_ > 0, received_.ToString());
}

void Mail::UpdateSentHeader() { RewriteHeader(MailHeaders::Sent, sent_ > 0, sent_.ToString()); }

// Parsed flags

void Mail::SetParsedFlag(unsigned char mask, bool value) noexcept {
  parsedFlags_ = value ? static_cast<unsigned char>(parsedFlags_ | mask)
                       : static_cast<unsigned char>(parsedFlags_ & ~mask);
}

bool Mail::IsInReplyToHeaderParsed() const noexcept { return GetParsedFlag(kInReplyToBit); }
bool Mail::IsSubjectHeaderParsed() const noexcept { return GetParsedFlag(kSubjectBit); }
bool Mail::IsReplyToHeaderParsed() const noexcept { return GetParsedFlag(kReplyToBit); }
bool Mail::IsFromHeaderParsed() const noexcept { return GetParsedFlag(kFromBit); }
bool Mail::IsToHeaderParsed() const noexcept { return GetParsedFlag(kToBit); }
bool Mail::IsImportanceHeaderParsed() const noexcept { return GetParsedFlag(kImportanceBit); }
bool Mail::IsReceivedHeaderParsed() const noexcept { return GetParsedFlag(kReceivedBit); }
bool Mail::IsSentHeaderParsed() const noexcept { return GetParsedFlag(kSentBit); }

void Mail::SetInReplyToHeaderParsed(bool value) noexcept { SetParsedFlag(kInReplyToBit, value); }
void Mail::SetSubjectHeaderParsed(bool value) noexcept { SetParsedFlag(kSubjectBit, value); }
void Mail::SetReplyToHeaderParsed(bool value) noexcept { SetParsedFlag(kReplyToBit, value); }
void Mail::SetFromHeaderParsed(bool value) noexcept { SetParsedFlag(kFromBit, value); }
void Mail::SetToHeaderParsed(bool value) noexcept { SetParsedFlag(kToBit, value); }
void Mail::SetImportanceHeaderParsed(bool value) noexcept { SetParsedFlag(kImportanceBit, value); }
void Mail::SetReceivedHeaderParsed(bool value) noexcept { SetParsedFlag(kReceivedBit, value); }
void Mail::SetSentHeaderParsed(bool value) noexcept { SetParsedFlag(kSentBit, value); }

// Body parts and flags

void Mail::SetBodyParts(const BodyParts& bodyParts) { bodyParts_ = bodyParts; }

void Mail::SetFlags(const Flags& flags) { flags_ = flags; }

void Mail::SetMailFlag(const Strata::UniString& name, bool value) {
  if (value) {
    flags_.Set(name);
  } else {
    flags_.Remove(name);
  }
}

bool Mail::IsAnswered() const { return flags_.Contains(MailFlags::Answered); }
bool Mail::IsCompleted() const { return flags_.Contains(MailFlags::Completed); }
bool Mail::IsDeleted() const { return flags_.Contains(MailFlags::Deleted); }
bool Mail::IsDraft() const { return flags_.Contains(MailFlags::Draft); }
bool Mail::IsFlagged() const { return flags_.Contains(MailFlags::Flagged); }
bool Mail::IsRead() const { return flags_.Contains(MailFlags::Read); }
void Mail::SetAnswered(bool value) { SetMailFlag(MailFlags::Answered, value); }
void Mail::SetCompleted(bool value) { SetMailFlag(MailFlags::Completed, value); }
void Mail::SetDeleted(bool value) { SetMailFlag(MailFlags::Deleted, value); }
void Mail::SetDraft(bool value) { SetMailFlag(MailFlags::Draft, value); }
void Mail::SetFlagged(bool value) { SetMailFlag(MailFlags::Flagged, value); }
void Mail::SetRead(bool value) { SetMailFlag(MailFlags::Read, value); }

// Channel form

void Mail::Write(Strata::OChannelX& channel) const {
  id_.Write(channel);
  headers_.Write(channel);
  bodyParts_.Write(channel);
  flags_.Write(channel);
}

void Mail::Read(Strata::IChannelX& channel) {
  MailId id;
  Headers headers;
  BodyParts bodyParts;
  Flags flags;
  id.Read(channel);
  headers.Read(channel);
  bodyParts.Read(channel);
  flags.Read(channel);
  std::swap(id_, id);
  headers_.Swap(headers);
  bodyParts_.Swap(bodyParts);
  flags_.Swap(flags);
  parsedFlags_ = 0;
}

}  // namespace Quorum::Server::Mail
