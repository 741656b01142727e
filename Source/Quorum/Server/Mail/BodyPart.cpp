#include "Quorum/Server/Mail/BodyPart.h"

#include <optional>
#include <utility>

#include "Quorum/Common/UnsignedInteger32.h"
#include "Quorum/Server/Mail/BodyPartException.h"
#include "Quorum/Server/Mail/BodyPartHeaders.h"
#include "Quorum/Server/Mail/ContentDisposition.h"
#include "Quorum/Server/Mail/ContentDispositionParameters.h"
#include "Quorum/Server/Mail/Internal/ContentSection.h"
#include "Quorum/Server/Mail/Parameter.h"
#include "Quorum/Server/Mail/Parameters.h"
#include "Strata/IllegalArgumentException.h"
#include "Strata/Throw.h"

namespace Quorum::Server::Mail {

namespace {

using Strata::CaseSensitivity;
using Strata::UniString;

void CheckName(const UniString& name, const char* sourceFile, unsigned int sourceLine) {
  if (name.IsEmpty()) {
    throw Strata::IllegalArgumentException("Invalid body part name: name is empty.", sourceFile,
                                           sourceLine);
  }
}

Strata::Ref<BodyPartContent> CloneOf(const Strata::Ref<BodyPartContent>& content) {
  if (content.IsNull()) return {};
  return Strata::Ref<BodyPartContent>(content->Clone());
}

constexpr unsigned char kContentDispositionBit = 1;
constexpr unsigned char kContentSizeBit = 2;
constexpr unsigned char kContentTypeBit = 4;

const TypedHeaders::Typed kTyped[] = {
    {&BodyPartHeaders::ContentDisposition, kContentDispositionBit},
    {&BodyPartHeaders::ContentSize, kContentSizeBit},
    {&BodyPartHeaders::ContentType, kContentTypeBit},
};

UniString SizeText(const BodyPartContent& content) {
  return Common::UnsignedInteger32::ToString(content.GetSize());
}

// Puts "Content-Size" last in `headers` with the value `size`.
void PutContentSize(Headers& headers, const UniString& size) {
  headers.Remove(BodyPartHeaders::ContentSize);
  headers.Set(BodyPartHeaders::ContentSize, size);
}

// The size text that must be put back into "Content-Size" after a change of
// the header `name`: the content's size when `name` is "Content-Size" (any
// case) and a content is present, else nothing. Taken before the change, so
// a content that cannot be sized leaves the headers as they were.
std::optional<UniString> SizeToRestore(const Strata::Ref<BodyPartContent>& content,
                                       const UniString& name) {
  if (content.IsNull() ||
      !name.IsEqual(BodyPartHeaders::ContentSize, CaseSensitivity::Insensitive)) {
    return std::nullopt;
  }
  return SizeText(*content);
}

void RestoreSize(TypedHeaders& headers, const std::optional<UniString>& size) {
  if (size.has_value()) headers.Rewrite(BodyPartHeaders::ContentSize, true, *size);
}

// The value of header `name`; false when it is absent. Throws
// BodyPartException when it is present but empty.
bool GetNonEmptyValue(const TypedHeaders& headers, const UniString& name, UniString& value,
                      const char* emptyMessage, const char* sourceFile, unsigned int sourceLine) {
  if (!headers.FindValue(name, value)) return false;
  if (value.IsEmpty()) throw BodyPartException(emptyMessage, sourceFile, sourceLine);
  return true;
}

}  // namespace

BodyPart::BodyPart() : headers_(kTyped) {}

BodyPart::BodyPart(const UniString& name) : name_(name), headers_(kTyped) {
  CheckName(name_, STRATA_HERE);
}

BodyPart::BodyPart(const UniString& name, const Headers& headers,
                   const Strata::Ref<BodyPartContent>& content)
    : name_(name), headers_(kTyped, headers), content_(content) {
  CheckName(name_, STRATA_HERE);
  if (!content_.IsNull()) headers_.Rewrite(BodyPartHeaders::ContentSize, true, SizeText(*content_));
}

BodyPart::BodyPart(const BodyPart& other)
    : name_(other.name_),
      headers_(kTyped, other.headers_.Get()),
      content_(CloneOf(other.content_)) {}

BodyPart::BodyPart(BodyPart&& other) noexcept
    : name_(std::move(other.name_)),
      contentType_(std::move(other.contentType_)),
      contentSize_(other.contentSize_),
      disposition_(other.disposition_),
      fileName_(std::move(other.fileName_)),
      headers_(std::move(other.headers_)),
      content_(std::move(other.content_)) {}

const BodyPart& BodyPart::operator=(const BodyPart& other) {
  if (this != &other) {
    BodyPart copy(other);
    Swap(copy);
  }
  return *this;
}

BodyPart& BodyPart::operator=(BodyPart&& other) noexcept {
  BodyPart taken(std::move(other));
  Swap(taken);
  return *this;
}

BodyPart::~BodyPart() = default;

BodyPart* BodyPart::Clone() const { return new BodyPart(name_, headers_.Get(), CloneOf(content_)); }

bool BodyPart::GetHeader(const UniString& name, Header& header) const {
  return headers_.Get().Get(name, header);
}

Strata::ConstForwardContainerIterator<Header> BodyPart::EnumerateHeaders() const {
  return headers_.Get().Enumerate();
}

// The typed readings. Each parse stores its value only after it converted.

const UniString& BodyPart::GetContentType() {
  headers_.Parse(kContentTypeBit, [this] {
    UniString value;
    GetNonEmptyValue(headers_, BodyPartHeaders::ContentType, value,
                     "Failed to parse header: 'Content-Type': value is empty.", STRATA_HERE);
    contentType_.Swap(value);
  });
  return contentType_;
}

unsigned int BodyPart::GetContentSize() {
  if (!content_.IsNull()) return content_->GetSize();
  headers_.Parse(kContentSizeBit, [this] {
    UniString value;
    unsigned int size = 0;
    if (GetNonEmptyValue(headers_, BodyPartHeaders::ContentSize, value,
                         "Failed to parse header: 'Content-Size': value is empty.", STRATA_HERE) &&
        !Common::UnsignedInteger32::Parse(value, size)) {
      STRATA_THROW(
          BodyPartException,
          UniString::Format("Failed to parse header: 'Content-Size': value: '%T'.", value));
    }
    contentSize_ = size;
  });
  return contentSize_;
}

const Disposition& BodyPart::GetDisposition() {
  ParseContentDisposition();
  return disposition_;
}

const UniString& BodyPart::GetFileName() {
  ParseContentDisposition();
  return fileName_;
}

void BodyPart::ParseContentDisposition() {
  headers_.Parse(kContentDispositionBit, [this] {
    UniString value;
    ContentDisposition parsed;
    if (GetNonEmptyValue(headers_, BodyPartHeaders::ContentDisposition, value,
                         "Failed to parse header: 'Content-Disposition': value is empty.",
                         STRATA_HERE) &&
        !ContentDisposition::Parse(value, parsed)) {
      STRATA_THROW(
          BodyPartException,
          UniString::Format("Failed to parse header: 'Content-Disposition': value: '%T'.", value));
    }
    Parameter fileName;
    UniString parsedFileName;
    if (parsed.GetParameters().Get(ContentDispositionParameters::Filename, fileName)) {
      parsedFileName = fileName.GetValue();
    }
    disposition_ = parsed.GetDisposition();
    fileName_.Swap(parsedFileName);
  });
}

// Header changes

void BodyPart::SetHeader(const Header& header) {
  const std::optional<UniString> size = SizeToRestore(content_, header.GetName());
  headers_.Set(header);
  RestoreSize(headers_, size);
}

void BodyPart::SetHeader(const UniString& name, const UniString& value) {
  const std::optional<UniString> size = SizeToRestore(content_, name);
  headers_.Set(name, value);
  RestoreSize(headers_, size);
}

bool BodyPart::RemoveHeader(const Header& header) {
  const std::optional<UniString> size = SizeToRestore(content_, header.GetName());
  const bool removed = headers_.Remove(header);
  RestoreSize(headers_, size);
  return removed;
}

bool BodyPart::RemoveHeader(const UniString& name) {
  const std::optional<UniString> size = SizeToRestore(content_, name);
  const bool removed = headers_.Remove(name);
  RestoreSize(headers_, size);
  return removed;
}

void BodyPart::SetHeaders(const Headers& headers) {
  Headers copy(headers);
  if (!content_.IsNull() && copy.Contains(BodyPartHeaders::ContentSize)) {
    PutContentSize(copy, SizeText(*content_));
  }
  headers_.Exchange(copy);
}

void BodyPart::ClearHeaders() {
  Headers empty;
  if (!content_.IsNull()) PutContentSize(empty, SizeText(*content_));
  headers_.Exchange(empty);
}

// Typed changes: compare with the cache as it stands, rewrite the header
// (which leaves its reading to be parsed back), then keep the value for the
// next comparison.

void BodyPart::SetContentType(const UniString& contentType) {
  if (contentType == contentType_) return;
  UniString value(contentType);
  headers_.Rewrite(BodyPartHeaders::ContentType, !value.IsEmpty(), value);
  contentType_.Swap(value);
}

void BodyPart::SetDisposition(const Disposition& disposition) {
  if (disposition.ToString().IsEmpty()) {
    STRATA_THROW(Strata::IllegalArgumentException, "Invalid disposition: disposition has no text.");
  }
  if (disposition == disposition_) return;
  WriteContentDisposition(disposition, fileName_);
  disposition_ = disposition;
}

void BodyPart::SetFileName(const UniString& fileName) {
  if (fileName == fileName_) return;
  UniString value(fileName);
  WriteContentDisposition(disposition_, value);
  fileName_.Swap(value);
}

// Only an attachment carries its file name.
void BodyPart::WriteContentDisposition(const Disposition& disposition, const UniString& fileName) {
  ContentDisposition value(disposition, Parameters());
  if (disposition == Disposition::Attachment && !fileName.IsEmpty()) {
    value.GetParameters().Set(ContentDispositionParameters::Filename, fileName);
  }
  headers_.Set(BodyPartHeaders::ContentDisposition, value.ToString());
}

void BodyPart::SetContent(const Strata::Ref<BodyPartContent>& content) {
  if (content == content_) return;
  const UniString size = content.IsNull() ? UniString() : SizeText(*content);
  headers_.Rewrite(BodyPartHeaders::ContentSize, !content.IsNull(), size);
  content_ = content;
}

bool BodyPart::operator==(const BodyPart& other) const {
  if (this == &other) return true;
  if (name_ != other.name_ || headers_.Get() != other.headers_.Get()) return false;
  if (content_.IsNull() || other.content_.IsNull()) {
    return content_.IsNull() && other.content_.IsNull();
  }
  return content_->Equals(*other.content_);
}

void BodyPart::Swap(BodyPart& other) noexcept {
  name_.Swap(other.name_);
  contentType_.Swap(other.contentType_);
  std::swap(contentSize_, other.contentSize_);
  disposition_.Swap(other.disposition_);
  fileName_.Swap(other.fileName_);
  headers_.Swap(other.headers_);
  std::swap(content_, other.content_);
}

void BodyPart::Write(Strata::OChannelX& channel) const {
  channel.WriteUniString(name_);
  headers_.Get().Write(channel);
  internal::WriteContentSection(content_, channel);
}

void BodyPart::Read(Strata::IChannelX& channel) {
  UniString name = channel.ReadUniString();
  Headers headers;
  headers.Read(channel);
  Strata::Ref<BodyPartContent> content = internal::ReadContentSection(channel, headers);
  // Everything was read: take it over. The caches stay as they were, marked
  // stale by the cleared bits.
  name_.Swap(name);
  headers_.Exchange(headers);
  std::swap(content_, content);
}

}  // namespace Quorum::Server::Mail
