#include "Quorum/Server/Mail/BodyPart.h"

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

// Puts "Content-Size" last in `headers` with the size of `content`, or
// removes it when there is no content. The size is taken before anything
// changes, so a content that cannot be sized leaves `headers` as they were.
void RewriteContentSize(Headers& headers, const Strata::Ref<BodyPartContent>& content) {
  if (content.IsNull()) {
    headers.Remove(BodyPartHeaders::ContentSize);
    return;
  }
  const UniString size = Common::UnsignedInteger32::ToString(content->GetSize());
  headers.Remove(BodyPartHeaders::ContentSize);
  headers.Set(BodyPartHeaders::ContentSize, size);
}

// The value of header `name`; false when it is absent. Throws
// BodyPartException when it is present but empty.
bool GetNonEmptyValue(const Headers& headers, const UniString& name, UniString& value,
                      const char* emptyMessage, const char* sourceFile, unsigned int sourceLine) {
  Header header;
  if (!headers.Get(name, header)) return false;
  if (header.GetValue().IsEmpty()) throw BodyPartException(emptyMessage, sourceFile, sourceLine);
  value = header.GetValue();
  return true;
}

}  // namespace

BodyPart::BodyPart() = default;

BodyPart::BodyPart(const UniString& name) : name_(name) { CheckName(name_, STRATA_HERE); }

BodyPart::BodyPart(const UniString& name, const Headers& headers,
                   const Strata::Ref<BodyPartContent>& content)
    : name_(name), headers_(headers), content_(content) {
  CheckName(name_, STRATA_HERE);
  if (!content_.IsNull()) UpdateContentSizeHeader();
}

BodyPart::BodyPart(const BodyPart& other)
    : name_(other.name_), headers_(other.headers_), content_(CloneOf(other.content_)) {}

BodyPart::BodyPart(BodyPart&& other) noexcept
    : name_(std::move(other.name_)),
      contentType_(std::move(other.contentType_)),
      contentSize_(other.contentSize_),
      disposition_(other.disposition_),
      fileName_(std::move(other.fileName_)),
      content_(std::move(other.content_)),
      parsedFlags_(std::exchange(other.parsedFlags_, 0)) {
  headers_.Swap(other.headers_);
}

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

BodyPart* BodyPart::Clone() const { return new BodyPart(name_, headers_, CloneOf(content_)); }

bool BodyPart::GetHeader(const UniString& name, Header& header) const {
  return headers_.Get(name, header);
}

Strata::ConstForwardContainerIterator<Header> BodyPart::EnumerateHeaders() const {
  return headers_.Enumerate();
}

const UniString& BodyPart::GetContentType() {
  if (!IsContentTypeHeaderParsed()) ParseContentTypeHeader();
  return contentType_;
}

unsigned int BodyPart::GetContentSize() {
  if (!content_.IsNull()) return content_->GetSize();
  if (!IsContentSizeHeaderParsed()) ParseContentSizeHeader();
  return contentSize_;
}

const Disposition& BodyPart::GetDisposition() {
  if (!IsContentDispositionHeaderParsed()) ParseContentDispositionHeader();
  return disposition_;
}

const UniString& BodyPart::GetFileName() {
  if (!IsContentDispositionHeaderParsed()) ParseContentDispositionHeader();
  return fileName_;
}

void BodyPart::SetHeader(const Header& header) {
  headers_.Set(header);
  HeaderChanged(header.GetName());
}

void BodyPart::SetHeader(const UniString& name, const UniString& value) {
  headers_.Set(name, value);
  HeaderChanged(name);
}

// The argument may be the stored header or its name, which the removal
// overwrites or frees, so the name is copied first.
bool BodyPart::RemoveHeader(const Header& header) {
  const UniString name(header.GetName());
  const bool removed = headers_.Remove(header);
  HeaderChanged(name);
  return removed;
}

bool BodyPart::RemoveHeader(const UniString& name) {
  const UniString removedName(name);
  const bool removed = headers_.Remove(removedName);
  HeaderChanged(removedName);
  return removed;
}

void BodyPart::SetHeaders(const Headers& headers) {
  Headers copy(headers);
  if (!content_.IsNull() && copy.Contains(BodyPartHeaders::ContentSize)) {
    RewriteContentSize(copy, content_);
  }
  headers_.Swap(copy);
  parsedFlags_ = 0;
}

void BodyPart::ClearHeaders() {
  Headers empty;
  if (!content_.IsNull()) RewriteContentSize(empty, content_);
  headers_.Swap(empty);
  parsedFlags_ = 0;
}

void BodyPart::SetContentType(const UniString& contentType) {
  if (contentType == contentType_) return;
  contentType_ = contentType;
  UpdateContentTypeHeader();
}

void BodyPart::SetDisposition(const Disposition& disposition) {
  if (disposition == disposition_) return;
  disposition_ = disposition;
  UpdateContentDispositionHeader();
}

void BodyPart::SetFileName(const UniString& fileName) {
  if (fileName == fileName_) return;
  fileName_ = fileName;
  UpdateContentDispositionHeader();
}

void BodyPart::SetContent(const Strata::Ref<BodyPartContent>& content) {
  if (content == content_) return;
  RewriteContentSize(headers_, content);
  content_ = content;
  SetContentSizeHeaderParsed(false);
}

bool BodyPart::operator==(const BodyPart& other) const {
  if (this == &other) return true;
  if (name_ != other.name_ || headers_ != other.headers_) return false;
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
  std::swap(parsedFlags_, other.parsedFlags_);
}

void BodyPart::Write(Strata::OChannelX& channel) const {
  channel.WriteUniString(name_);
  headers_.Write(channel);
  internal::WriteContentSection(content_, channel);
}

void BodyPart::Read(Strata::IChannelX& channel) {
  UniString name = channel.ReadUniString();
  Headers headers;
  headers.Read(channel);
  Strata::Ref<BodyPartContent> content = internal::ReadContentSection(channel, headers);
  // Everything was read: take it over. The caches stay as they were, marked
  // stale by the cleared flags.
  name_.Swap(name);
  headers_.Swap(headers);
  std::swap(content_, content);
  parsedFlags_ = 0;
}

void BodyPart::SetParsedFlag(unsigned char bits, bool value) noexcept {
  parsedFlags_ = static_cast<unsigned char>(value ? parsedFlags_ | bits : parsedFlags_ & ~bits);
}

bool BodyPart::IsContentDispositionHeaderParsed() const noexcept {
  return GetParsedFlag(ContentDispositionParsed);
}
bool BodyPart::IsContentSizeHeaderParsed() const noexcept {
  return GetParsedFlag(ContentSizeParsed);
}
bool BodyPart::IsContentTypeHeaderParsed() const noexcept {
  return GetParsedFlag(ContentTypeParsed);
}
void BodyPart::SetContentDispositionHeaderParsed(bool value) noexcept {
  SetParsedFlag(ContentDispositionParsed, value);
}
void BodyPart::SetContentSizeHeaderParsed(bool value) noexcept {
  SetParsedFlag(ContentSizeParsed, value);
}
void BodyPart::SetContentTypeHeaderParsed(bool value) noexcept {
  SetParsedFlag(ContentTypeParsed, value);
}

void BodyPart::Invalidate(const UniString& name) noexcept {
  if (name.IsEqual(BodyPartHeaders::ContentDisposition, CaseSensitivity::Insensitive)) {
    SetContentDispositionHeaderParsed(false);
  } else if (name.IsEqual(BodyPartHeaders::ContentSize, CaseSensitivity::Insensitive)) {
    SetContentSizeHeaderParsed(false);
  } else if (name.IsEqual(BodyPartHeaders::ContentType, CaseSensitivity::Insensitive)) {
    SetContentTypeHeaderParsed(false);
  }
}

void BodyPart::Invalidate(const Header& header) noexcept { Invalidate(header.GetName()); }

void BodyPart::HeaderChanged(const UniString& name) {
  // Invalidating first keeps the caches honest even if rewriting throws.
  Invalidate(name);
  if (!content_.IsNull() &&
      name.IsEqual(BodyPartHeaders::ContentSize, CaseSensitivity::Insensitive)) {
    UpdateContentSizeHeader();
  }
}

void BodyPart::ParseContentTypeHeader() {
  UniString value;
  GetNonEmptyValue(headers_, BodyPartHeaders::ContentType, value,
                   "Failed to parse header: 'Content-Type': value is empty.", STRATA_HERE);
  contentType_.Swap(value);
  SetContentTypeHeaderParsed(true);
}

void BodyPart::ParseContentSizeHeader() {
  UniString value;
  unsigned int size = 0;
  if (GetNonEmptyValue(headers_, BodyPartHeaders::ContentSize, value,
                       "Failed to parse header: 'Content-Size': value is empty.", STRATA_HERE) &&
      !Common::UnsignedInteger32::Parse(value, size)) {
    STRATA_THROW(BodyPartException,
                 UniString::Format("Failed to parse header: 'Content-Size': value: '%T'.", value));
  }
  contentSize_ = size;
  SetContentSizeHeaderParsed(true);
}

void BodyPart::ParseContentDispositionHeader() {
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
  SetContentDispositionHeaderParsed(true);
}

void BodyPart::UpdateContentTypeHeader() {
  headers_.Remove(BodyPartHeaders::ContentType);
  if (!contentType_.IsEmpty()) headers_.Set(BodyPartHeaders::ContentType, contentType_);
}

void BodyPart::UpdateContentSizeHeader() { RewriteContentSize(headers_, content_); }

void BodyPart::UpdateContentDispositionHeader() {
  ContentDisposition value(disposition_, Parameters());
  if (disposition_ == Disposition::Attachment && !fileName_.IsEmpty()) {
    value.GetParameters().Set(ContentDispositionParameters::Filename, fileName_);
  }
  headers_.Set(BodyPartHeaders::ContentDisposition, value.ToString());
}

}  // namespace Quorum::Server::Mail
