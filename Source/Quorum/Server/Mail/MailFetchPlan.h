#pragma once

#include "Quorum/Server/Mail/Export.h"
#include "Strata/HashSet.h"
#include "Strata/IChannelX.h"
#include "Strata/OChannelX.h"
#include "Strata/UniString.h"

namespace Quorum::Server::Mail {

/// Which parts of a mail a client wants: whole groups (the mail's headers, its
/// flags, the headers of every body part, every body part, everything) as a
/// bit set, plus body parts asked for one by one by name (matched exactly,
/// case-sensitive).
///
/// It refers to no mail; the side that fulfils it asks the Is...Requested
/// queries. A plain value; not thread-safe.
class QUORUM_MAIL_EXPORT MailFetchPlan {
 public:
  /// Asks for nothing.
  MailFetchPlan() = default;
  /// A move leaves `other` with no names and its bits unchanged.
  ///@{
  MailFetchPlan(const MailFetchPlan&) = default;
  MailFetchPlan(MailFetchPlan&& other) noexcept = default;
  MailFetchPlan& operator=(const MailFetchPlan&) = default;
  MailFetchPlan& operator=(MailFetchPlan&& other) noexcept = default;
  ///@}

  /// Each sets its own bit only (AddAll does not set the other four).
  ///@{
  MailFetchPlan& AddAll();
  MailFetchPlan& AddBodyPartHeaders();
  MailFetchPlan& AddBodyParts();
  MailFetchPlan& AddMailFlags();
  MailFetchPlan& AddMailHeaders();
  ///@}
  /// Asks for one body part by name; a name already asked for is kept once.
  /// Throws Strata::IllegalArgumentException when `name` is empty.
  MailFetchPlan& AddBodyPart(const Strata::UniString& name);

  /// Body part headers, body parts or all.
  bool IsBodyPartHeadersRequested() const noexcept;
  /// Body parts or all.
  bool IsBodyPartsRequested() const noexcept;
  /// Mail headers or all.
  bool IsMailHeadersRequested() const noexcept;
  /// Mail flags or all.
  bool IsMailFlagsRequested() const noexcept;
  /// The all bit; the four others set together do not make it.
  bool IsAllRequested() const noexcept;
  /// Body parts or all, or `name` was asked for. Body part headers alone do
  /// not request any body part. Throws Strata::IllegalArgumentException when
  /// `name` is empty.
  bool IsBodyPartRequested(const Strata::UniString& name) const;

  /// The stored bits, including any the queries do not look at.
  unsigned int GetRequestedMailParts() const noexcept { return requestedMailParts_; }
  /// Replaces the bits; any value is kept as given.
  void SetRequestedMailParts(unsigned int bits) noexcept { requestedMailParts_ = bits; }

  /// The names asked for, in the order they were added.
  const Strata::HashSet<Strata::UniString>& GetRequestedBodyParts() const noexcept {
    return requestedBodyParts_;
  }
  /// Replaces the names by a copy of `names`, unchanged if the copy fails;
  /// the names are not checked.
  void SetRequestedBodyParts(const Strata::HashSet<Strata::UniString>& names);

  /// Equal when the bits are equal as numbers and the name sets hold the same
  /// names in any order: AddAll alone differs from the four other bits set.
  bool operator==(const MailFetchPlan& other) const;

  /// Exchanges bits and names.
  void Swap(MailFetchPlan& other) noexcept;

  /// The number of names (unsigned int), each name in order, then the bits
  /// (unsigned int).
  void Write(Strata::OChannelX& channel) const;
  /// Reads what Write writes; a repeated name is kept once and names are not
  /// checked. Throws what the channel throws, leaving the plan unchanged.
  void Read(Strata::IChannelX& channel);

 private:
  // Throws Strata::IllegalArgumentException, recording the caller's location,
  // when `name` is empty.
  QUORUM_MAIL_LOCAL static void CheckName(const Strata::UniString& name, const char* sourceFile,
                                          unsigned int sourceLine);

  // Whether any bit of `mask` is set.
  bool GetFlag(unsigned int mask) const noexcept { return (requestedMailParts_ & mask) != 0; }
  // Sets (true) or clears (false) every bit of `mask`.
  QUORUM_MAIL_LOCAL void SetFlag(unsigned int mask, bool value) noexcept;

  Strata::HashSet<Strata::UniString> requestedBodyParts_;
  unsigned int requestedMailParts_ = 0;
};

}  // namespace Quorum::Server::Mail
