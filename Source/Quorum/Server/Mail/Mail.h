#pragma once

#include "Quorum/Server/Mail/AddressList.h"
#include "Quorum/Server/Mail/BodyPartContentFactory.h"
#include "Quorum/Server/Mail/BodyParts.h"
#include "Quorum/Server/Mail/Date.h"
#include "Quorum/Server/Mail/Export.h"
#include "Quorum/Server/Mail/Flags.h"
#include "Quorum/Server/Mail/Header.h"
#include "Quorum/Server/Mail/Headers.h"
#include "Quorum/Server/Mail/Importance.h"
#include "Quorum/Server/Mail/MailId.h"
#include "Strata/ConstForwardContainerIterator.h"
#include "Strata/IChannelX.h"
#include "Strata/OChannelX.h"
#include "Strata/UniString.h"

namespace Quorum::Server::Mail {

/// One mail message: its id, raw headers, body parts and flags, with typed
/// access to eight well-known headers (MailHeaders).
///
/// The headers are the single source of truth. A typed getter parses its
/// header on first use and caches the value under one parsed bit; changing a
/// header directly (SetHeader, RemoveHeader, SetHeaders, ClearHeaders, Read,
/// Swap) drops the affected cached values. A typed setter compares its value
/// with what the header says now (parsing it first unless its cached value is
/// current) and, when they differ or the header does not parse, rewrites the
/// header, which then reads back as the value set. Operations on flags, body
/// parts or other headers never parse. Every setter either succeeds or
/// leaves the mail as it was.
///
/// Not thread-safe: typed getters fill caches, so even readers need the
/// holder's lock. Body parts inside GetBodyParts() are shared references.
class QUORUM_MAIL_EXPORT Mail {
 public:
  /// An empty mail, not valid: empty id, no headers.
  Mail();
  /// A mail with id `id` and nothing else. Throws
  /// Strata::IllegalArgumentException "Invalid mail id: id is empty." when
  /// `id` is empty.
  explicit Mail(const MailId& id);
  /// A mail of the given parts, with the same check of `id`; every typed
  /// value is parsed from `headers` on first use.
  Mail(const MailId& id, const Headers& headers, const BodyParts& bodyParts, const Flags& flags);

  /// A copy clones every body part and its content (see BodyParts); cached
  /// values and parsed bits are copied with the rest. A move leaves the
  /// source as a default-constructed mail. Copy assignment copies aside
  /// first, so a failed copy (a content that cannot be cloned) leaves this
  /// mail as it was, cached values included.
  ///@{
  Mail(const Mail&) = default;
  Mail(Mail&& other) noexcept;
  Mail& operator=(const Mail& other);
  Mail& operator=(Mail&& other) noexcept;
  ///@}
  ~Mail() = default;

  /// A heap copy, made as the copy constructor makes it; the caller owns it.
  Mail* Clone() const;
  /// Exchanges id, headers, body parts and flags (not the cached values) and
  /// leaves both mails with every typed value to be parsed again.
  void Swap(Mail& other) noexcept;

  /// The id; empty for a default-constructed mail.
  const MailId& GetId() const noexcept { return id_; }
  /// Id not empty and both a "From" and a "To" header present (their values
  /// are not read).
  bool IsValid() const;

  /// Same id, headers, body parts and flags; cached values are not compared.
  /// Comparing body part contents may throw BodyPartContentException.
  bool operator==(const Mail& other) const;

  /// \name Raw headers
  /// The operations that change headers act as those of Headers and throw as
  /// they do. Setting or removing a typed header drops its cached value; when
  /// Headers throws, nothing is dropped.
  ///@{

  /// The headers, typed ones included.
  const Headers& GetHeaders() const noexcept { return headers_; }
  /// The number of headers.
  unsigned int GetHeaderCount() const noexcept { return headers_.GetSize(); }
  /// The headers in storage order; invalidated by any change.
  Strata::ConstForwardContainerIterator<Header> EnumerateHeaders() const {
    return headers_.Enumerate();
  }
  /// As Headers::Get: copies the header `name` (any case) into `header`;
  /// false, `header` untouched, when there is none.
  bool GetHeader(const Strata::UniString& name, Header& header) const {
    return headers_.Get(name, header);
  }
  /// As Headers::Set with a header.
  void SetHeader(const Header& header);
  /// As Headers::Set with a name and a value.
  void SetHeader(const Strata::UniString& name, const Strata::UniString& value);
  /// As Headers::Remove with a header: only an equal header is removed.
  bool RemoveHeader(const Header& header);
  /// As Headers::Remove with a name; true when a header was removed.
  bool RemoveHeader(const Strata::UniString& name);
  /// Replaces every header with a copy of `headers`; every typed value is
  /// parsed again on first use.
  void SetHeaders(const Headers& headers);
  /// Removes every header; every typed value reads as its default then.
  void ClearHeaders();
  ///@}

  /// \name Typed headers
  /// A getter returns the cached value, parsing its header first when
  /// needed: an absent header gives the default (empty, Normal, 0); a value
  /// that does not parse throws MailException and leaves the mail unchanged.
  /// A setter does nothing when the header already says the value (an absent
  /// header says the default); otherwise, also when the header does not
  /// parse, it rewrites the header, which moves to the end of the header
  /// order (Importance keeps its place), and the next getter parses it. A
  /// failed setter leaves the mail as it was.
  ///@{

  /// The id of the mail this one answers, from "In-Reply-To"; a present but
  /// empty header throws MailException.
  const MailId& GetParentId();
  /// Writes "In-Reply-To"; the empty id removes it.
  void SetParentId(const MailId& parentId);
  /// "Subject", taken as it is; empty without the header.
  const Strata::UniString& GetSubject();
  /// Writes "Subject"; the empty text removes it.
  void SetSubject(const Strata::UniString& subject);
  /// "Reply-To" as a list; a value that does not parse throws MailException.
  const AddressList& GetReplyTo();
  /// Writes "Reply-To" in the list's text form; the empty list removes it.
  void SetReplyTo(const AddressList& replyTo);
  /// "From" as a list; a value that does not parse throws MailException.
  const AddressList& GetFrom();
  /// Writes "From" in the list's text form; the empty list removes it.
  void SetFrom(const AddressList& from);
  /// "To" as a list; a value that does not parse throws MailException.
  const AddressList& GetTo();
  /// Writes "To" in the list's text form; the empty list removes it.
  void SetTo(const AddressList& to);
  /// "Importance"; Normal without the header. A present but empty or
  /// unknown word throws MailException.
  const Importance& GetImportance();
  /// Like every setter, does nothing when the header already says the level,
  /// so on a mail without the header Normal writes nothing; otherwise it
  /// writes the level's word, Normal included, in the header's place
  /// (appended when absent). Throws Strata::IllegalArgumentException "Invalid
  /// importance: importance has no text." for a number outside Low, Normal
  /// and High, changing nothing.
  void SetImportance(const Importance& importance);
  /// "Received" as a Date; 0 without the header. A present but empty or
  /// malformed number throws MailException.
  const Date& GetReceived();
  /// Writes "Received"; a date of 0 or less removes the header.
  void SetReceived(const Date& received);
  /// "Sent" as a Date; 0 without the header. A present but empty or
  /// malformed number throws MailException.
  const Date& GetSent();
  /// Writes "Sent"; a date of 0 or less removes the header.
  void SetSent(const Date& sent);
  ///@}

  /// The body parts; a change through them is a change of the mail.
  ///@{
  BodyParts& GetBodyParts() noexcept { return bodyParts_; }
  const BodyParts& GetBodyParts() const noexcept { return bodyParts_; }
  ///@}
  /// Replaces the body parts with a copy of `bodyParts` (parts and contents
  /// cloned); unchanged if the copy throws.
  void SetBodyParts(const BodyParts& bodyParts);

  /// The flags; a change through them is a change of the mail.
  ///@{
  Flags& GetFlags() noexcept { return flags_; }
  const Flags& GetFlags() const noexcept { return flags_; }
  ///@}
  /// Replaces the flags with a copy of `flags`.
  void SetFlags(const Flags& flags);

  /// \name Flag shortcuts
  /// Shortcuts for the flags of MailFlags, matched without regard to case.
  /// Setting true stores the flag in the constant's spelling; false removes
  /// it.
  ///@{

  /// True when the flag MailFlags::Answered is set.
  bool IsAnswered() const;
  /// True when the flag MailFlags::Completed is set.
  bool IsCompleted() const;
  /// True when the flag MailFlags::Deleted is set.
  bool IsDeleted() const;
  /// True when the flag MailFlags::Draft is set.
  bool IsDraft() const;
  /// True when the flag MailFlags::Flagged is set.
  bool IsFlagged() const;
  /// True when the flag MailFlags::Read is set.
  bool IsRead() const;
  /// Sets or removes MailFlags::Answered.
  void SetAnswered(bool value);
  /// Sets or removes MailFlags::Completed.
  void SetCompleted(bool value);
  /// Sets or removes MailFlags::Deleted.
  void SetDeleted(bool value);
  /// Sets or removes MailFlags::Draft.
  void SetDraft(bool value);
  /// Sets or removes MailFlags::Flagged.
  void SetFlagged(bool value);
  /// Sets or removes MailFlags::Read.
  void SetRead(bool value);
  ///@}

  /// Id, headers, body parts (with their content bytes) and flags; nothing
  /// cached is written. Throws as BodyPart::Write does for a part.
  void Write(Strata::OChannelX& channel) const;
  /// Reads all four into temporaries and replaces this mail's only when all
  /// were read; then every typed value is parsed again on first use. Each
  /// body part's content is made by DefaultBodyPartContentFactory.
  void Read(Strata::IChannelX& channel);
  /// Reads as Read does, each body part's content made by `factory`, for
  /// example a SpillingBodyPartContentFactory that keeps large contents in
  /// temporary files. Unchanged if it throws.
  void Read(Strata::IChannelX& channel, BodyPartContentFactory& factory);

 private:
  // The shared steps of the setters of the address lists and the dates;
  // `bit` is the parsed bit of the header `name`.
  QUORUM_MAIL_LOCAL void SetAddressList(const Strata::UniString& name, unsigned char bit,
                                        const AddressList& cache, const AddressList& list);
  QUORUM_MAIL_LOCAL void SetDate(const Strata::UniString& name, unsigned char bit,
                                 const Date& cache, const Date& date);
  QUORUM_MAIL_LOCAL void SetMailFlag(const Strata::UniString& name, bool value);
  // Exchanges every field, cached values and parsed bits included.
  QUORUM_MAIL_LOCAL void ExchangeAll(Mail& other) noexcept;

  MailId id_;
  MailId parentId_;
  Strata::UniString subject_;
  AddressList replyTo_;
  AddressList from_;
  AddressList to_;
  Importance importance_;
  Date received_;
  Date sent_;
  Headers headers_;
  BodyParts bodyParts_;
  Flags flags_;
  // One bit per cached value above, set while it is current with its header.
  unsigned char parsedFlags_ = 0;
};

}  // namespace Quorum::Server::Mail
