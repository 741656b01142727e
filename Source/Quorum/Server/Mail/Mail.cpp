#include "Quorum/Server/Mail/Mail.h"

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

const TypedHeaders::Typed kTyped[] = {
    {&MailHeaders::InReplyTo, kInReplyToBit},
    {&MailHeaders::Subject, kSubjectBit},
    {&MailHeaders::ReplyTo, kReplyToBit},
    {&MailHeaders::From, kFromBit},
    {&MailHeaders::To, kToBit},
    {&MailHeaders::Importance, kImportanceBit},
    {&MailHeaders::Received, kReceivedBit},
    {&MailHeaders::Sent, kSentBit},
};

// The value of header `name`, refused when empty; false when absent.
bool FindNonEmptyValue(const TypedHeaders& headers, const Strata::UniString& name,
                       Strata::UniString& value) {
  if (!headers.FindValue(name, value)) return false;
  if (value.IsEmpty()) ThrowValueIsEmpty(name, STRATA_HERE);
  return true;
}

AddressList ParseAddressList(const TypedHeaders& headers, const Strata::UniString& name) {
  Strata::UniString value;
  AddressList parsed;
  if (headers.FindValue(name, value) && !AddressList::Parse(value, parsed)) {
    ThrowValueIsMalformed(name, value, STRATA_HERE);
  }
  return parsed;
}

Date ParseDate(const TypedHeaders& headers, const Strata::UniString& name) {
  Strata::UniString value;
  Date parsed(0);
  if (FindNonEmptyValue(headers, name, value) && !Date::Parse(value, parsed)) {
    ThrowValueIsMalformed(name, value, STRATA_HERE);
  }
  return parsed;
}

}  // namespace

Mail::Mail() : headers_(kTyped) {}

Mail::Mail(const MailId& id) : id_(id), headers_(kTyped) { CheckId(id_); }

Mail::Mail(const MailId& id, const Headers& headers, const BodyParts& bodyParts, const Flags& flags)
    : id_(id), headers_(kTyped) {
  CheckId(id_);
  Headers copy(headers);
  headers_.Exchange(copy);
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
  headers_.ForgetAll();
  other.headers_.ForgetAll();
}

bool Mail::IsValid() const {
  return !id_.IsEmpty() && headers_.Get().Contains(MailHeaders::From) &&
         headers_.Get().Contains(MailHeaders::To);
}

bool Mail::operator==(const Mail& other) const {
  return this == &other || (id_ == other.id_ && headers_.Get() == other.headers_.Get() &&
                            bodyParts_ == other.bodyParts_ && flags_ == other.flags_);
}

// Raw headers

void Mail::SetHeader(const Header& header) { headers_.Set(header); }

void Mail::SetHeader(const Strata::UniString& name, const Strata::UniString& value) {
  headers_.Set(name, value);
}

bool Mail::RemoveHeader(const Header& header) { return headers_.Remove(header); }

bool Mail::RemoveHeader(const Strata::UniString& name) { return headers_.Remove(name); }

void Mail::SetHeaders(const Headers& headers) {
  Headers copy(headers);
  headers_.Exchange(copy);
}

void Mail::ClearHeaders() { headers_.Clear(); }

// Typed getters. Each parse stores its value only after it converted, so a
// failure leaves the mail as it was and the next read tries again.

const MailId& Mail::GetParentId() {
  headers_.Parse(kInReplyToBit, [this] {
    Strata::UniString value;
    parentId_ =
        FindNonEmptyValue(headers_, MailHeaders::InReplyTo, value) ? MailId(value) : MailId();
  });
  return parentId_;
}

const Strata::UniString& Mail::GetSubject() {
  headers_.Parse(kSubjectBit, [this] {
    Strata::UniString value;
    headers_.FindValue(MailHeaders::Subject, value);
    subject_.Swap(value);
  });
  return subject_;
}

const AddressList& Mail::GetReplyTo() {
  headers_.Parse(kReplyToBit,
                 [this] { replyTo_ = ParseAddressList(headers_, MailHeaders::ReplyTo); });
  return replyTo_;
}

const AddressList& Mail::GetFrom() {
  headers_.Parse(kFromBit, [this] { from_ = ParseAddressList(headers_, MailHeaders::From); });
  return from_;
}

const AddressList& Mail::GetTo() {
  headers_.Parse(kToBit, [this] { to_ = ParseAddressList(headers_, MailHeaders::To); });
  return to_;
}

const Importance& Mail::GetImportance() {
  headers_.Parse(kImportanceBit, [this] {
    Strata::UniString value;
    Importance parsed(Importance::Normal);
    if (FindNonEmptyValue(headers_, MailHeaders::Importance, value) &&
        !Importance::Parse(value, parsed)) {
      ThrowValueIsMalformed(MailHeaders::Importance, value, STRATA_HERE);
    }
    importance_ = parsed;
  });
  return importance_;
}

const Date& Mail::GetReceived() {
  headers_.Parse(kReceivedBit, [this] { received_ = ParseDate(headers_, MailHeaders::Received); });
  return received_;
}

const Date& Mail::GetSent() {
  headers_.Parse(kSentBit, [this] { sent_ = ParseDate(headers_, MailHeaders::Sent); });
  return sent_;
}

// Typed setters: compare with the cache as it stands, rewrite the header
// (which leaves its value to be parsed back), then keep the value for the
// next comparison.

void Mail::SetParentId(const MailId& parentId) {
  if (parentId_ == parentId) return;
  MailId value(parentId);
  headers_.Rewrite(MailHeaders::InReplyTo, !value.IsEmpty(), value.GetId());
  std::swap(parentId_, value);
}

void Mail::SetSubject(const Strata::UniString& subject) {
  if (subject_ == subject) return;
  Strata::UniString value(subject);
  headers_.Rewrite(MailHeaders::Subject, !value.IsEmpty(), value);
  subject_.Swap(value);
}

void Mail::SetAddressList(const Strata::UniString& name, AddressList& cache,
                          const AddressList& list) {
  if (cache == list) return;
  AddressList value(list);
  headers_.Rewrite(name, !value.IsEmpty(), value.ToString());
  cache.Swap(value);
}

void Mail::SetReplyTo(const AddressList& replyTo) {
  SetAddressList(MailHeaders::ReplyTo, replyTo_, replyTo);
}

void Mail::SetFrom(const AddressList& from) { SetAddressList(MailHeaders::From, from_, from); }

void Mail::SetTo(const AddressList& to) { SetAddressList(MailHeaders::To, to_, to); }

// A number without text would write a header that no getter could read.
void Mail::SetImportance(const Importance& importance) {
  const Strata::UniString text = importance.ToString();
  if (text.IsEmpty()) {
    STRATA_THROW(Strata::IllegalArgumentException, "Invalid importance: importance has no text.");
  }
  if (importance_ == importance) return;
  headers_.Set(MailHeaders::Importance, text);
  importance_ = importance;
}

void Mail::SetDate(const Strata::UniString& name, Date& cache, const Date& date) {
  if (cache == date) return;
  headers_.Rewrite(name, date > 0, date.ToString());
  cache = date;
}

void Mail::SetReceived(const Date& received) {
  SetDate(MailHeaders::Received, received_, received);
}

void Mail::SetSent(const Date& sent) { SetDate(MailHeaders::Sent, sent_, sent); }

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
  headers_.Get().Write(channel);
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
  headers_.Exchange(headers);
  bodyParts_.Swap(bodyParts);
  flags_.Swap(flags);
}

}  // namespace Quorum::Server::Mail
