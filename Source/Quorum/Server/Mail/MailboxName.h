#pragma once

#include "Quorum/Server/Mail/Export.h"
#include "Quorum/Server/Mail/TextIdentifier.h"
#include "Strata/Hashing.h"

namespace Quorum::Server::Mail {

/// The name of one mailbox: a single word of letters and digits
/// (Strata::UniChar::IsAlphaNumeric), compared exactly.
///
/// A name built from text always satisfies that rule; a default-constructed
/// name is empty, and one read from a channel may break the rule. Not
/// thread-safe for mutation.
class QUORUM_MAIL_EXPORT MailboxName : private internal::TextIdentifier {
 public:
  /// The empty name; not valid.
  MailboxName() = default;
  /// The name `name`. Throws Strata::IllegalArgumentException "Invalid mailbox
  /// name: name is empty." for the empty text and InvalidMailboxNameException
  /// "Invalid mailbox name: '<name>'." when the name rule is broken.
  explicit MailboxName(const Strata::UniString& name);

  /// The text.
  const Strata::UniString& GetName() const noexcept { return GetId(); }
  /// True when the text is not empty; the character rule is not applied.
  bool IsValid() const noexcept { return HasText(); }

  /// The name rule: at least one character, every one a letter or a digit.
  /// Never throws.
  static bool IsValidName(const Strata::UniString& name) noexcept;
  /// Stores `text` in `name` when it satisfies the name rule; false, with
  /// `name` untouched, when it breaks it. Throws
  /// Strata::IllegalArgumentException "Invalid mailbox name string: string is
  /// empty." for the empty text.
  static bool Parse(const Strata::UniString& text, MailboxName& name);

  /// The text, unchanged.
  Strata::UniString ToString() const { return TextIdentifier::ToString(); }
  /// Strata::UniString::GenerateHashValue of the text.
  unsigned int GenerateHashValue() const noexcept { return TextIdentifier::GenerateHashValue(); }

  /// The text as one string.
  void Write(Strata::OChannelX& channel) const { TextIdentifier::Write(channel); }
  /// Takes any text, the empty one and one that breaks the name rule
  /// included; unchanged if the read fails.
  void Read(Strata::IChannelX& channel) { TextIdentifier::Read(channel); }

  /// Equal when the texts are.
  bool operator==(const MailboxName& other) const noexcept {
    return TextIdentifier::operator==(other);
  }

 private:
  struct Checked {};
  // For text already known to satisfy the rule.
  QUORUM_MAIL_LOCAL MailboxName(const Strata::UniString& name, Checked);

  QUORUM_MAIL_LOCAL void CheckName(const Strata::UniString& name, const char* sourceFile,
                                   unsigned int sourceLine) const;
};

}  // namespace Quorum::Server::Mail

STRATA_HASH_BY_VALUE(Quorum::Server::Mail::MailboxName);
