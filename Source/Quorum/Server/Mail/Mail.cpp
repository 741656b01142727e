#include "Quorum/Server/Mail/Mail.h"

#include <optional>
#include <utility>

#include "Quorum/Server/Mail/DefaultBodyPartContentFactory.h"
#include "Quorum/Server/Mail/Internal/TypedHeaders.h"
#include "Quorum/Server/Mail/MailException.h"
#include "Quorum/Server/Mail/MailFlags.h"
#include "Quorum/Server/Mail/MailHeaders.h"
#include "Strata/IllegalArgumentException.h"
#include "Strata/Throw.h"

namespace Quorum::Server::Mail {
namespace {

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

// The typed headers and their parsed bits, in the order of the cached fields.
constexpr unsigned char kInReplyToBit = 0x01;
constexpr unsigned char kSubjectBit = 0x02;
constexpr unsigned char kReplyToBit = 0x04;
constexpr unsigned char kFromBit = 0x08;
constexpr unsigned char kToBit = 0x10;
constexpr unsigned char kImportanceBit = 0x20;
constexpr unsigned char kReceivedBit = 0x40;
constexpr unsigned char kSentBit = 0x80;

const internal::TypedHeaders::Typed kTyped[] = {
    {&MailHeaders::InReplyTo, kInReplyToBit},
    {&MailHeaders::Subject, kSubjectBit},
    {&MailHeaders::ReplyTo, kReplyToBit},
    {&MailHeaders::From, kFromBit},
    {&MailHeaders::To, kToBit},
    {&MailHeaders::Importance, kImportanceBit},
    {&MailHeaders::Received, kReceivedBit},
    {&MailHeaders::Sent, kSentBit},
};

internal::TypedHeaders TypedOf(Headers& headers, unsigned char& parsedFlags) {
  return internal::TypedHeaders(kTyped, headers, parsedFlags);
}

// The readings of the typed headers. Each throws MailException for a header
// it cannot read and changes nothing.

// The value of header `name`, refused when empty; false when absent.
bool FindNonEmptyValue(const Headers& headers, const Strata::UniString& name,
                       Strata::UniString& value) {
  if (!internal::FindValue(headers, name, value)) return false;
  if (value.IsEmpty()) ThrowValueIsEmpty(name, STRATA_HERE);
  return true;
}

MailId ParseParentId(const Headers& headers) {
  Strata::UniString value;
  return FindNonEmptyValue(headers, MailHeaders::InReplyTo, value) ? MailId(value) : MailId();
}

Strata::UniString ParseSubject(const Headers& headers) {
  Strata::UniString value;
  internal::FindValue(headers, MailHeaders::Subject, value);
  return value;
}

AddressList ParseAddressList(const Headers& headers, const Strata::UniString& name) {
  Strata::UniString value;
  AddressList parsed;
  if (internal::FindValue(headers, name, value) && !AddressList::Parse(value, parsed)) {
    ThrowValueIsMalformed(name, value, STRATA_HERE);
  }
  return parsed;
}

Importance ParseImportance(const Headers& headers) {
  Strata::UniString value;
  Importance parsed(Importance::Normal);
  if (FindNonEmptyValue(headers, MailHeaders::Importance, value) &&
      !Importance::Parse(value, parsed)) {
    ThrowValueIsMalformed(MailHeaders::Importance, value, STRATA_HERE);
  }
  return parsed;
}

Date ParseDate(const Headers& headers, const Strata::UniString& name) {
  Strata::UniString value;
  Date parsed(0);
  if (FindNonEmptyValue(headers, name, value) && !Date::Parse(value, parsed)) {
    ThrowValueIsMalformed(name, value, STRATA_HERE);
  }
  return parsed;
}

// Whether the header of `bit` says `value` now: the cached value when it is
// current, else the header read by `parse`; a header that does not parse
// says nothing.
template <typename T, typename Parser>
bool Says(const internal::TypedHeaders& typed, unsigned char bit, const T& cached, const T& value,
          Parser&& parse) {
  const std::optional<T> current = typed.Current<MailException>(bit, cached, parse);
  return current.has_value() && *current == value;
}

}  // namespace

Mail::Mail() = default;

Mail::Mail(const MailId& id) : id_(id) { CheckId(id_); }

Mail::Mail(const MailId& id, const Headers& headers, const BodyParts& bodyParts, const Flags& flags)
    : id_(id), headers_(headers), bodyParts_(bodyParts), flags_(flags) {
  CheckId(id_);
}

Mail::Mail(Mail&& other) noexcept : Mail() { ExchangeAll(other); }

Mail& Mail::operator=(const Mail& other) {
  if (this != &other) *this = Mail(other);
  return *this;
}

Mail& Mail::operator=(Mail&& other) noexcept {
  Mail taken(std::move(other));
  ExchangeAll(taken);
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

void Mail::ExchangeAll(Mail& other) noexcept {
  std::swap(id_, other.id_);
  std::swap(parentId_, other.parentId_);
  subject_.Swap(other.subject_);
  replyTo_.Swap(other.replyTo_);
  from_.Swap(other.from_);
  to_.Swap(other.to_);
  std::swap(importance_, other.importance_);
  std::swap(received_, other.received_);
  std::swap(sent_, other.sent_);
  headers_.Swap(other.headers_);
  bodyParts_.Swap(other.bodyParts_);
  flags_.Swap(other.flags_);
  std::swap(parsedFlags_, other.parsedFlags_);
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

void Mail::SetHeader(const Header& header) { TypedOf(headers_, parsedFlags_).Set(header); }

void Mail::SetHeader(const Strata::UniString& name, const Strata::UniString& value) {
  TypedOf(headers_, parsedFlags_).Set(name, value);
}

bool Mail::RemoveHeader(const Header& header) {
  return TypedOf(headers_, parsedFlags_).Remove(header);
}

bool Mail::RemoveHeader(const Strata::UniString& name) {
  return TypedOf(headers_, parsedFlags_).Remove(name);
}

void Mail::SetHeaders(const Headers& headers) {
  Headers copy(headers);
  TypedOf(headers_, parsedFlags_).Exchange(copy);
}

void Mail::ClearHeaders() { TypedOf(headers_, parsedFlags_).Clear(); }

// Typed getters. Each parse stores its value only after it converted, so a
// failure leaves the mail as it was and the next read tries again.

const MailId& Mail::GetParentId() {
  TypedOf(headers_, parsedFlags_).Parse(kInReplyToBit, [this] {
    parentId_ = ParseParentId(headers_);
  });
  return parentId_;
}

const Strata::UniString& Mail::GetSubject() {
  TypedOf(headers_, parsedFlags_).Parse(kSubjectBit, [this] { subject_ = ParseSubject(headers_); });
  return subject_;
}

const AddressList& Mail::GetReplyTo() {
  TypedOf(headers_, parsedFlags_).Parse(kReplyToBit, [this] {
    replyTo_ = ParseAddressList(headers_, MailHeaders::ReplyTo);
  });
  return replyTo_;
}

const AddressList& Mail::GetFrom() {
  TypedOf(headers_, parsedFlags_).Parse(kFromBit, [this] {
    from_ = ParseAddressList(headers_, MailHeaders::From);
  });
  return from_;
}

const AddressList& Mail::GetTo() {
  TypedOf(headers_, parsedFlags_).Parse(kToBit, [this] {
    to_ = ParseAddressList(headers_, MailHeaders::To);
  });
  return to_;
}

const Importance& Mail::GetImportance() {
  TypedOf(headers_, parsedFlags_).Parse(kImportanceBit, [this] {
    importance_ = ParseImportance(headers_);
  });
  return importance_;
}

const Date& Mail::GetReceived() {
  TypedOf(headers_, parsedFlags_).Parse(kReceivedBit, [this] {
    received_ = ParseDate(headers_, MailHeaders::Received);
  });
  return received_;
}

const Date& Mail::GetSent() {
  TypedOf(headers_, parsedFlags_).Parse(kSentBit, [this] {
    sent_ = ParseDate(headers_, MailHeaders::Sent);
  });
  return sent_;
}

// Typed setters: compare with what the header says now, then rewrite it in
// one step that either completes or changes nothing. The header's bit is
// cleared, so the next getter parses what was written.

void Mail::SetParentId(const MailId& parentId) {
  internal::TypedHeaders typed = TypedOf(headers_, parsedFlags_);
  if (Says(typed, kInReplyToBit, parentId_, parentId, [this] { return ParseParentId(headers_); })) {
    return;
  }
  typed.Rewrite(MailHeaders::InReplyTo, !parentId.IsEmpty(), parentId.GetId());
}

void Mail::SetSubject(const Strata::UniString& subject) {
  internal::TypedHeaders typed = TypedOf(headers_, parsedFlags_);
  if (Says(typed, kSubjectBit, subject_, subject, [this] { return ParseSubject(headers_); })) {
    return;
  }
  typed.Rewrite(MailHeaders::Subject, !subject.IsEmpty(), subject);
}

void Mail::SetAddressList(const Strata::UniString& name, unsigned char bit,
                          const AddressList& cache, const AddressList& list) {
  internal::TypedHeaders typed = TypedOf(headers_, parsedFlags_);
  if (Says(typed, bit, cache, list, [&] { return ParseAddressList(headers_, name); })) return;
  typed.Rewrite(name, !list.IsEmpty(), list.ToString());
}

void Mail::SetReplyTo(const AddressList& replyTo) {
  SetAddressList(MailHeaders::ReplyTo, kReplyToBit, replyTo_, replyTo);
}

void Mail::SetFrom(const AddressList& from) {
  SetAddressList(MailHeaders::From, kFromBit, from_, from);
}

void Mail::SetTo(const AddressList& to) { SetAddressList(MailHeaders::To, kToBit, to_, to); }

// A number without text would write a header that no getter could read.
void Mail::SetImportance(const Importance& importance) {
  const Strata::UniString text = importance.ToString();
  if (text.IsEmpty()) {
    STRATA_THROW(Strata::IllegalArgumentException, "Invalid importance: importance has no text.");
  }
  internal::TypedHeaders typed = TypedOf(headers_, parsedFlags_);
  if (Says(typed, kImportanceBit, importance_, importance,
           [this] { return ParseImportance(headers_); })) {
    return;
  }
  typed.Set(MailHeaders::Importance, text);
}

void Mail::SetDate(const Strata::UniString& name, unsigned char bit, const Date& cache,
                   const Date& date) {
  internal::TypedHeaders typed = TypedOf(headers_, parsedFlags_);
  if (Says(typed, bit, cache, date, [&] { return ParseDate(headers_, name); })) return;
  typed.Rewrite(name, date > 0, date.ToString());
}

void Mail::SetReceived(const Date& received) {
  SetDate(MailHeaders::Received, kReceivedBit, received_, received);
}

void Mail::SetSent(const Date& sent) { SetDate(MailHeaders::Sent, kSentBit, sent_, sent); }

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
  DefaultBodyPartContentFactory factory;
  Read(channel, factory);
}

void Mail::Read(Strata::IChannelX& channel, BodyPartContentFactory& factory) {
  MailId id;
  Headers headers;
  BodyParts bodyParts;
  Flags flags;
  id.Read(channel);
  headers.Read(channel);
  bodyParts.Read(channel, factory);
  flags.Read(channel);
  std::swap(id_, id);
  TypedOf(headers_, parsedFlags_).Exchange(headers);
  bodyParts_.Swap(bodyParts);
  flags_.Swap(flags);
}

}  // namespace Quorum::Server::Mail
