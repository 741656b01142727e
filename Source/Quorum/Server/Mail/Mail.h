// Mail is one mail message: its id, raw headers, body parts and flags, with
// typed access to eight well-known headers (MailHeaders).
//
// The headers are the single source of truth. A typed getter parses its
// header on first use and caches the value under one parsed bit; changing a
// header directly (SetHeader, RemoveHeader, SetHeaders, ClearHeaders, Read,
// Swap) drops the affected cached values. A typed setter compares its value
// with what the header says now (parsing it first unless its cached value is
// current) and, when they differ or the header does not parse, rewrites the
// header, which then reads back as the value set. Operations on flags, body
// parts or other headers never parse. Every setter either succeeds or
// leaves the mail as it was.
//
// Not thread-safe: typed getters fill caches, so even readers need the
// holder's lock. Body parts inside GetBodyParts() are shared references.
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

class QUORUM_MAIL_EXPORT Mail {
 public:
  // Not valid: empty id, no headers.
  Mail();
  // Throws Strata::IllegalArgumentException "Invalid mail id: id is empty."
  // when `id` is empty.
  explicit Mail(const MailId& id);
  // The same check; every typed value is parsed from `headers` on first use.
  Mail(const MailId& id, const Headers& headers, const BodyParts& bodyParts, const Flags& flags);

  // A copy clones every body part and its content (see BodyParts); cached
  // values and parsed bits are copied with the rest. A move leaves the
  // source as a default-constructed mail.
  Mail(const Mail&) = default;
  Mail(Mail&& other) noexcept;
  // Copies aside first, so a failed copy (a content that cannot be cloned)
  // leaves this mail as it was, cached values included.
  Mail& operator=(const Mail& other);
  Mail& operator=(Mail&& other) noexcept;
  ~Mail() = default;

  // A heap copy; the caller owns it.
  Mail* Clone() const;
  // Exchanges id, headers, body parts and flags (not the cached values) and
  // leaves both mails with every typed value to be parsed again.
  void Swap(Mail& other) noexcept;

  const MailId& GetId() const noexcept { return id_; }
  // Id not empty and both a From and a To header present (values unread).
  bool IsValid() const;

  // Same id, headers, body parts and flags; cached values are not compared.
  // Comparing body part contents may throw BodyPartContentException.
  bool operator==(const Mail& other) const;

  // Raw headers. Setting or removing a typed header drops its cached value;
  // the exceptions of Headers pass through and then nothing is dropped.
  const Headers& GetHeaders() const noexcept { return headers_; }
  unsigned int GetHeaderCount() const noexcept { return headers_.GetSize(); }
  Strata::ConstForwardContainerIterator<Header> EnumerateHeaders() const {
    return headers_.Enumerate();
  }
  bool GetHeader(const Strata::UniString& name, Header& header) const {
    return headers_.Get(name, header);
  }
  void SetHeader(const Header& header);
  void SetHeader(const Strata::UniString& name, const Strata::UniString& value);
  bool RemoveHeader(const Header& header);
  bool RemoveHeader(const Strata::UniString& name);
  void SetHeaders(const Headers& headers);
  void ClearHeaders();

  // Typed headers. A getter returns the cached value, parsing its header
  // first when needed: an absent header gives the default (empty, Normal,
  // 0); a value that does not parse throws MailException and leaves the mail
  // unchanged. A setter does nothing when the header already says the value
  // (an absent header says the default); otherwise, also when the header
  // does not parse, it rewrites the header, which moves to the end of the
  // header order (Importance keeps its place), and the next getter parses
  // it. A failed setter leaves the mail as it was.
  const MailId& GetParentId();
  void SetParentId(const MailId& parentId);
  const Strata::UniString& GetSubject();
  void SetSubject(const Strata::UniString& subject);
  const AddressList& GetReplyTo();
  void SetReplyTo(const AddressList& replyTo);
  const AddressList& GetFrom();
  void SetFrom(const AddressList& from);
  const AddressList& GetTo();
  void SetTo(const AddressList& to);
  const Importance& GetImportance();
  // Like every setter, does nothing when the header already says the level,
  // so on a mail without the header Normal writes nothing; otherwise it
  // writes the level's word, Normal included, in the header's place
  // (appended when absent). Throws Strata::IllegalArgumentException "Invalid
  // importance: importance has no text." for a number outside Low, Normal
  // and High, changing nothing.
  void SetImportance(const Importance& importance);
  const Date& GetReceived();
  // A date of 0 or less removes the header.
  void SetReceived(const Date& received);
  const Date& GetSent();
  // A date of 0 or less removes the header.
  void SetSent(const Date& sent);

  BodyParts& GetBodyParts() noexcept { return bodyParts_; }
  const BodyParts& GetBodyParts() const noexcept { return bodyParts_; }
  void SetBodyParts(const BodyParts& bodyParts);

  Flags& GetFlags() noexcept { return flags_; }
  const Flags& GetFlags() const noexcept { return flags_; }
  void SetFlags(const Flags& flags);

  // Shortcuts for the flags of MailFlags, matched without regard to case.
  // Setting true stores the flag in the constant's spelling; false removes it.
  bool IsAnswered() const;
  bool IsCompleted() const;
  bool IsDeleted() const;
  bool IsDraft() const;
  bool IsFlagged() const;
  bool IsRead() const;
  void SetAnswered(bool value);
  void SetCompleted(bool value);
  void SetDeleted(bool value);
  void SetDraft(bool value);
  void SetFlagged(bool value);
  void SetRead(bool value);

  // Id, headers, body parts (with their content bytes) and flags; nothing
  // cached is written.
  void Write(Strata::OChannelX& channel) const;
  // Reads all four into temporaries and replaces this mail's only when all
  // were read; then every typed value is parsed again on first use.
  void Read(Strata::IChannelX& channel);
  /// Reads as Read does, each body part's content made by `factory`, for
  /// example a SpillingBodyPartContentFactory that keeps large contents in
  /// temporary files. Unchanged if it throws.
  void Read(Strata::IChannelX& channel, BodyPartContentFactory& factory);

 private:
  // The shared steps of the setters of the address lists and the dates;
  // `bit` is the parsed bit of the header `name`.
  void SetAddressList(const Strata::UniString& name, unsigned char bit, const AddressList& cache,
                      const AddressList& list);
  void SetDate(const Strata::UniString& name, unsigned char bit, const Date& cache,
               const Date& date);
  void SetMailFlag(const Strata::UniString& name, bool value);
  // Exchanges every field, cached values and parsed bits included.
  void ExchangeAll(Mail& other) noexcept;

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
