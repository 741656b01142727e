#include "Quorum/Server/Mail/BodyPart.h"

#include <optional>
#include <utility>

#include "Quorum/Common/UnsignedInteger32.h"
#include "Quorum/Server/Mail/BodyPartException.h"
#include "Quorum/Server/Mail/BodyPartHeaders.h"
#include "Quorum/Server/Mail/ContentDisposition.h"
#include "Quorum/Server/Mail/ContentDispositionParameters.h"
#include "Quorum/Server/Mail/Contents/Internal/ContentSection.h"
#include "Quorum/Server/Mail/DefaultBodyPartContentFactory.h"
#include "Quorum/Server/Mail/Internal/TypedHeaders.h"
#include "Quorum/Server/Mail/Parameter.h"
#include "Quorum/Server/Mail/Parameters.h"
#include "Strata/IOException.h"
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

const internal::TypedHeaders::Typed kTyped[] = {
    {&BodyPartHeaders::ContentDisposition, kContentDispositionBit},
    {&BodyPartHeaders::ContentSize, kContentSizeBit},
    {&BodyPartHeaders::ContentType, kContentTypeBit},
};

internal::TypedHeaders TypedOf(Headers& headers, unsigned char& parsedFlags) {
  return internal::TypedHeaders(kTyped, headers, parsedFlags);
}

UniString SizeText(const BodyPartContent& content) {
  return Common::UnsignedInteger32::ToString(content.GetSize());
}

// Puts "Content-Size" last in `headers` with the value `size`.
void PutContentSize(Headers& headers, const UniString& size) {
  headers.Remove(BodyPartHeaders::ContentSize);
  headers.Set(BodyPartHeaders::ContentSize, size);
}

// The readings of the typed headers. Each throws BodyPartException for a
// header it cannot read (ContentDisposition::Parse may also throw
// Strata::IllegalArgumentException) and changes nothing.

// The value of header `name`; false when it is absent. Throws
// BodyPartException when it is present but empty.
bool GetNonEmptyValue(const Headers& headers, const UniString& name, UniString& value,
                      const char* emptyMessage, const char* sourceFile, unsigned int sourceLine) {
  if (!internal::FindValue(headers, name, value)) return false;
  if (value.IsEmpty()) throw BodyPartException(emptyMessage, sourceFile, sourceLine);
  return true;
}

UniString ReadContentType(const Headers& headers) {
  UniString value;
  GetNonEmptyValue(headers, BodyPartHeaders::ContentType, value,
                   "Failed to parse header: 'Content-Type': value is empty.", STRATA_HERE);
  return value;
}

unsigned int ReadContentSize(const Headers& headers) {
  UniString value;
  unsigned int size = 0;
  if (GetNonEmptyValue(headers, BodyPartHeaders::ContentSize, value,
                       "Failed to parse header: 'Content-Size': value is empty.", STRATA_HERE) &&
      !Common::UnsignedInteger32::Parse(value, size)) {
    STRATA_THROW(BodyPartException,
                 UniString::Format("Failed to parse header: 'Content-Size': value: '%T'.", value));
  }
  return size;
}

struct DispositionReading {
  Disposition disposition;
  UniString fileName;
};

DispositionReading ReadContentDisposition(const Headers& headers) {
  UniString value;
  ContentDisposition parsed;
  if (GetNonEmptyValue(headers, BodyPartHeaders::ContentDisposition, value,
                       "Failed to parse header: 'Content-Disposition': value is empty.",
                       STRATA_HERE) &&
      !ContentDisposition::Parse(value, parsed)) {
    STRATA_THROW(
        BodyPartException,
        UniString::Format("Failed to parse header: 'Content-Disposition': value: '%T'.", value));
  }
  DispositionReading reading{parsed.GetDisposition(), {}};
  if (const Parameter* fileName =
          parsed.GetParameters().Find(ContentDispositionParameters::Filename)) {
    reading.fileName = fileName->GetValue();
  }
  return reading;
}

// Refuses to write a part whose "Content-Size" header, when present, does
// not name `size`, the size its content gives: the header would promise
// bytes other than those that follow.
void CheckStatedSize(const Headers& headers, const UniString& name, unsigned int size) {
  const Header* header = headers.Find(BodyPartHeaders::ContentSize);
  unsigned int stated = 0;
  if (header == nullptr ||
      (Common::UnsignedInteger32::Parse(header->GetValue(), stated) && stated == size)) {
    return;
  }
  throw Strata::IOException(
      UniString::Format("Failed to write body part: '%T': Content-Size header says '%T', "
                        "content holds %u bytes.",
                        name, header->GetValue(), size),
      STRATA_HERE, -7003);
}

// What "Content-Disposition" says now; nothing when it does not parse.
std::optional<DispositionReading> CurrentDisposition(const internal::TypedHeaders& typed,
                                                     const Headers& headers,
                                                     const DispositionReading& cached) {
  return typed.Current<BodyPartException, Strata::IllegalArgumentException>(
      kContentDispositionBit, cached, [&] { return ReadContentDisposition(headers); });
}

}  // namespace

BodyPart::BodyPart() = default;

BodyPart::BodyPart(const UniString& name) : name_(name) { CheckName(name_, STRATA_HERE); }

BodyPart::BodyPart(const UniString& name, const Headers& headers,
                   const Strata::Ref<BodyPartContent>& content)
    : name_(name), headers_(headers), content_(content) {
  CheckName(name_, STRATA_HERE);
  if (!content_.IsNull()) RewriteContentSize();
}

BodyPart::BodyPart(const BodyPart& other)
    : name_(other.name_), headers_(other.headers_), content_(CloneOf(other.content_)) {}

BodyPart::BodyPart(BodyPart&& other) noexcept : BodyPart() { Swap(other); }

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

// The typed readings. Each parse stores its value only after it converted.

const UniString& BodyPart::GetContentType() {
  TypedOf(headers_, parsedFlags_).Parse(kContentTypeBit, [this] {
    contentType_ = ReadContentType(headers_);
  });
  return contentType_;
}

unsigned int BodyPart::GetContentSize() {
  if (!content_.IsNull()) return content_->GetSize();
  TypedOf(headers_, parsedFlags_).Parse(kContentSizeBit, [this] {
    contentSize_ = ReadContentSize(headers_);
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
  TypedOf(headers_, parsedFlags_).Parse(kContentDispositionBit, [this] {
    DispositionReading reading = ReadContentDisposition(headers_);
    disposition_ = reading.disposition;
    fileName_.Swap(reading.fileName);
  });
}

// Header changes. While a content is present, a change to "Content-Size"
// comes down to rewriting it from the content's size.

bool BodyPart::KeepsContentSize(const UniString& name) const noexcept {
  return !content_.IsNull() &&
         name.IsEqual(BodyPartHeaders::ContentSize, CaseSensitivity::Insensitive);
}

void BodyPart::RewriteContentSize() {
  TypedOf(headers_, parsedFlags_).Rewrite(BodyPartHeaders::ContentSize, true, SizeText(*content_));
}

void BodyPart::SetHeader(const Header& header) {
  if (KeepsContentSize(header.GetName())) {
    RewriteContentSize();
  } else {
    TypedOf(headers_, parsedFlags_).Set(header);
  }
}

void BodyPart::SetHeader(const UniString& name, const UniString& value) {
  if (KeepsContentSize(name)) {
    RewriteContentSize();
  } else {
    TypedOf(headers_, parsedFlags_).Set(name, value);
  }
}

bool BodyPart::RemoveHeader(const Header& header) {
  if (!KeepsContentSize(header.GetName())) return TypedOf(headers_, parsedFlags_).Remove(header);
  const bool removed = headers_.Contains(header);
  RewriteContentSize();
  return removed;
}

bool BodyPart::RemoveHeader(const UniString& name) {
  if (!KeepsContentSize(name)) return TypedOf(headers_, parsedFlags_).Remove(name);
  const bool removed = headers_.Contains(name);
  RewriteContentSize();
  return removed;
}

void BodyPart::SetHeaders(const Headers& headers) {
  Headers copy(headers);
  if (!content_.IsNull() && copy.Contains(BodyPartHeaders::ContentSize)) {
    PutContentSize(copy, SizeText(*content_));
  }
  TypedOf(headers_, parsedFlags_).Exchange(copy);
}

void BodyPart::ClearHeaders() {
  Headers empty;
  if (!content_.IsNull()) PutContentSize(empty, SizeText(*content_));
  TypedOf(headers_, parsedFlags_).Exchange(empty);
}

// Typed changes: compare with what the header says now, then rewrite it in
// one step that either completes or changes nothing. The header's bit is
// cleared, so the next reading parses what was written.

void BodyPart::SetContentType(const UniString& contentType) {
  internal::TypedHeaders typed = TypedOf(headers_, parsedFlags_);
  if (typed.Current<BodyPartException>(kContentTypeBit, contentType_, [this] {
        return ReadContentType(headers_);
      }) == contentType) {
    return;
  }
  typed.Rewrite(BodyPartHeaders::ContentType, !contentType.IsEmpty(), contentType);
}

void BodyPart::SetDisposition(const Disposition& disposition) {
  if (disposition.ToString().IsEmpty()) {
    STRATA_THROW(Strata::IllegalArgumentException, "Invalid disposition: disposition has no text.");
  }
  const std::optional<DispositionReading> current =
      CurrentDisposition(TypedOf(headers_, parsedFlags_), headers_, {disposition_, fileName_});
  if (current.has_value() && current->disposition == disposition) return;
  WriteContentDisposition(disposition, current.has_value() ? current->fileName : UniString());
}

void BodyPart::SetFileName(const UniString& fileName) {
  const std::optional<DispositionReading> current =
      CurrentDisposition(TypedOf(headers_, parsedFlags_), headers_, {disposition_, fileName_});
  if (current.has_value() && current->fileName == fileName) return;
  WriteContentDisposition(current.has_value() ? current->disposition : Disposition(), fileName);
}

// Only an attachment carries its file name.
void BodyPart::WriteContentDisposition(const Disposition& disposition, const UniString& fileName) {
  ContentDisposition value(disposition, Parameters());
  if (disposition == Disposition::Attachment && !fileName.IsEmpty()) {
    value.GetParameters().Set(ContentDispositionParameters::Filename, fileName);
  }
  TypedOf(headers_, parsedFlags_).Set(BodyPartHeaders::ContentDisposition, value.ToString());
}

void BodyPart::SetContent(const Strata::Ref<BodyPartContent>& content) {
  if (content == content_) return;
  const UniString size = content.IsNull() ? UniString() : SizeText(*content);
  TypedOf(headers_, parsedFlags_).Rewrite(BodyPartHeaders::ContentSize, !content.IsNull(), size);
  content_ = content;
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

void BodyPart::Write(Strata::OChannelX& channel) const { Write(channel, name_); }

void BodyPart::Write(Strata::OChannelX& channel, const UniString& name) const {
  // The size is taken once, before anything is written: a content that
  // cannot give one, or a header that disagrees with it, leaves nothing of
  // the part written, and the bytes copied are the bytes the size counts.
  const unsigned int size = content_.IsNull() ? 0 : content_->GetSize();
  if (!content_.IsNull()) CheckStatedSize(headers_, name, size);
  channel.WriteUniString(name);
  headers_.Write(channel);
  Contents::internal::WriteContentSection(content_, size, channel);
}

void BodyPart::Read(Strata::IChannelX& channel) {
  DefaultBodyPartContentFactory factory;
  Read(channel, factory);
}

void BodyPart::Read(Strata::IChannelX& channel, BodyPartContentFactory& factory) {
  UniString name = channel.ReadUniString();
  Headers headers;
  headers.Read(channel);
  Strata::Ref<BodyPartContent> content =
      Contents::internal::ReadContentSection(channel, headers, factory);
  // Everything was read: take it over. The caches stay as they were, marked
  // stale by the cleared bits.
  name_.Swap(name);
  TypedOf(headers_, parsedFlags_).Exchange(headers);
  std::swap(content_, content);
}

}  // namespace Quorum::Server::Mail
