#pragma once

#include "Quorum/Server/Mail/BodyPartContent.h"
#include "Quorum/Server/Mail/BodyPartContentFactory.h"
#include "Quorum/Server/Mail/Disposition.h"
#include "Quorum/Server/Mail/Export.h"
#include "Quorum/Server/Mail/Header.h"
#include "Quorum/Server/Mail/Headers.h"
#include "Strata/ConstForwardContainerIterator.h"
#include "Strata/IChannelX.h"
#include "Strata/OChannelX.h"
#include "Strata/Ref.h"
#include "Strata/UniString.h"

namespace Quorum::Server::Mail {

/// One named part of a mail: a name, its headers and an optional content
/// shared through a counted reference.
///
/// "Content-Type", "Content-Size" and "Content-Disposition" are read as typed
/// values, parsed from the header on first use and cached until that header
/// changes; while a content is present the body part keeps "Content-Size"
/// equal to the content's size. A typed setter compares its value with what
/// the header says now and rewrites the header when they differ or the
/// header does not parse. Every change either succeeds or leaves the body
/// part as it was. Copies clone the content; the constructor with a content
/// and SetContent share it. Not thread-safe, not even for the typed
/// readings, which fill the caches.
class QUORUM_MAIL_EXPORT BodyPart {
 public:
  /// Empty name: not valid.
  BodyPart();
  /// A part named `name`, without headers or content. Throws
  /// Strata::IllegalArgumentException "Invalid body part name: name is
  /// empty." for an empty name.
  explicit BodyPart(const Strata::UniString& name);
  /// Shares `content` (may be empty); when present, "Content-Size" is
  /// rewritten from it. Throws as the constructor with a name alone for an
  /// empty name.
  BodyPart(const Strata::UniString& name, const Headers& headers,
           const Strata::Ref<BodyPartContent>& content);
  /// A copy takes name and headers as they are (nothing validated,
  /// "Content-Size" untouched) and clones the content; its caches start
  /// stale. Copy assignment copies aside first, so a failed copy leaves this
  /// part as it was. A move takes the other's fields, content reference
  /// included, and leaves it as a default-constructed body part.
  ///@{
  BodyPart(const BodyPart& other);
  BodyPart(BodyPart&& other) noexcept;
  const BodyPart& operator=(const BodyPart& other);
  BodyPart& operator=(BodyPart&& other) noexcept;
  ///@}
  ~BodyPart();

  /// A copy through the constructor with a content, on a clone of the
  /// content: throws for an empty name. The caller owns the result.
  BodyPart* Clone() const;

  /// The name, exactly as given.
  const Strata::UniString& GetName() const noexcept { return name_; }
  /// True when the name is not empty.
  bool IsValid() const noexcept { return !name_.IsEmpty(); }
  /// The headers, typed ones included.
  const Headers& GetHeaders() const noexcept { return headers_; }
  /// The number of headers.
  unsigned int GetHeaderCount() const noexcept { return headers_.GetSize(); }
  /// As Headers::Get: copies the header `name` (any case) into `header`;
  /// false, `header` untouched, when there is none.
  bool GetHeader(const Strata::UniString& name, Header& header) const;
  /// The headers in storage order; invalidated by any change.
  Strata::ConstForwardContainerIterator<Header> EnumerateHeaders() const;
  /// The shared content; an empty reference when there is none.
  const Strata::Ref<BodyPartContent>& GetContent() const noexcept { return content_; }

  /// \name Typed readings
  /// The typed readings parse their header when it changed since the last
  /// reading and throw BodyPartException when it is present but empty or
  /// malformed (the body part stays unchanged, the next reading tries
  /// again).
  ///@{

  /// "Content-Type", as it is; empty without the header.
  const Strata::UniString& GetContentType();
  /// The content's size when there is a content (what its GetSize throws
  /// passes through); otherwise "Content-Size", or 0 without it.
  unsigned int GetContentSize();
  /// The disposition "Content-Disposition" says; Inline without the header.
  const Disposition& GetDisposition();
  /// The "filename" parameter of "Content-Disposition", or empty.
  const Strata::UniString& GetFileName();
  ///@}

  /// \name Headers
  /// The header operations act as those of Headers and throw as they do. A
  /// change to "Content-Size" while a content is present is undone at once
  /// by rewriting the header from the content's size; that size is taken
  /// first, so when the content's GetSize throws the body part stays
  /// unchanged.
  ///@{

  /// As Headers::Set with a header.
  void SetHeader(const Header& header);
  /// As Headers::Set with a name and a value.
  void SetHeader(const Strata::UniString& name, const Strata::UniString& value);
  /// As Headers::Remove with a header: only an equal header is removed.
  bool RemoveHeader(const Header& header);
  /// As Headers::Remove with a name; true when a header was removed.
  bool RemoveHeader(const Strata::UniString& name);
  /// Replaces every header with a copy of `headers`; "Content-Size" among
  /// them is rewritten from a present content.
  void SetHeaders(const Headers& headers);
  /// Removes every header; with a content present, "Content-Size" comes back
  /// at once.
  void ClearHeaders();
  ///@}

  /// \name Typed setters
  /// The typed setters compare with what the header says now (the cached
  /// value when it is current, else the header parsed on the spot) and
  /// rewrite the header only when it differs or does not parse; the next
  /// reading parses the header written, so it reads back the value set.
  ///@{

  /// Writes "Content-Type"; an empty type removes it.
  void SetContentType(const Strata::UniString& contentType);
  /// Writes "Content-Disposition", keeping the file name the header carries,
  /// which an inline disposition drops. Throws
  /// Strata::IllegalArgumentException "Invalid disposition: disposition has
  /// no text." for a number other than Attachment and Inline, changing
  /// nothing.
  void SetDisposition(const Disposition& disposition);
  /// Writes the "filename" parameter of "Content-Disposition", keeping the
  /// disposition the header says (inline when it does not parse). Only an
  /// attachment carries a file name: on an inline part the header stays
  /// "inline", GetFileName stays empty and the name is not kept, so set
  /// Attachment first.
  void SetFileName(const Strata::UniString& fileName);
  /// Shares `content` and rewrites "Content-Size" from it (removes it for an
  /// empty reference). Nothing happens for the content already held. Throws
  /// what the content's GetSize throws, leaving the body part unchanged.
  void SetContent(const Strata::Ref<BodyPartContent>& content);
  ///@}

  /// Same name (exactly), equal headers, and contents equal by bytes or both
  /// absent; caches are not compared. Content comparison may throw
  /// BodyPartContentException.
  ///@{
  bool operator==(const BodyPart& other) const;
  bool operator!=(const BodyPart& other) const { return !(*this == other); }
  ///@}
  /// Exchanges every field, caches and parsed flags included.
  void Swap(BodyPart& other) noexcept;

  /// Name, headers, then the content: a bool telling whether one follows,
  /// its size and its raw bytes.
  ///
  /// The content's size is taken once; when the part has a "Content-Size"
  /// header that does not say that size (a part read with such a header, or
  /// a file content whose file changed since), it throws
  /// Strata::IOException "Failed to write body part: '%T': Content-Size
  /// header says '%T', content holds %u bytes." before anything is
  /// written; removing or setting the header rewrites it from the content.
  /// Throws Strata::IOException "Failed to write content." when the content
  /// yields fewer bytes than its size.
  void Write(Strata::OChannelX& channel) const;
  /// Reads what Write wrote; the content is made by
  /// DefaultBodyPartContentFactory from the headers read. Throws
  /// Strata::IOException "Failed to read content." when the channel ends
  /// within the content bytes. Unchanged if anything throws.
  void Read(Strata::IChannelX& channel);
  /// Reads as Read does, with the content made by `factory` from the headers
  /// read and the size announced (BodyPartContentFactory::CreateForSize).
  /// Unchanged if anything throws; a content made for the part is then
  /// dropped.
  void Read(Strata::IChannelX& channel, BodyPartContentFactory& factory);

 private:
  // A collection writes each part under the name it keeps the part by.
  friend class BodyParts;
  // Write with `name` in place of the part's own.
  QUORUM_MAIL_LOCAL void Write(Strata::OChannelX& channel, const Strata::UniString& name) const;

  // Parses "Content-Disposition" into the disposition and file name unless
  // they are current.
  QUORUM_MAIL_LOCAL void ParseContentDisposition();
  // Sets "Content-Disposition" (in its place) from the two values.
  QUORUM_MAIL_LOCAL void WriteContentDisposition(const Disposition& disposition,
                                                 const Strata::UniString& fileName);
  // Whether a change of the header `name` is undone at once: it is
  // "Content-Size" (any case) and a content is present.
  QUORUM_MAIL_LOCAL bool KeepsContentSize(const Strata::UniString& name) const noexcept;
  // Rewrites "Content-Size" from the content, which must be present.
  QUORUM_MAIL_LOCAL void RewriteContentSize();

  Strata::UniString name_;
  Strata::UniString contentType_;
  unsigned int contentSize_ = 0;
  Disposition disposition_;
  Strata::UniString fileName_;
  Headers headers_;
  Strata::Ref<BodyPartContent> content_;
  // One bit per cached reading above, set while it is current with its
  // header.
  unsigned char parsedFlags_ = 0;
};

}  // namespace Quorum::Server::Mail
