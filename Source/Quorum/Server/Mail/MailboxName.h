// MailboxName is the name of one mailbox: a single word of letters and digits
// (Strata::UniChar::IsAlphaNumeric), compared exactly. A name built from text
// always satisfies that rule; a default-constructed name is empty, and one
// read from a channel may break the rule. Not thread-safe for mutation.
#pragma once

#include "Quorum/Server/Mail/Export.h"
#include "Quorum/Server/Mail/TextIdentifier.h"
#include "Strata/Hashing.h"

namespace Quorum::Server::Mail {

class QUORUM_MAIL_EXPORT MailboxName : private internal::TextIdentifier {
 public:
  MailboxName() = default;
  // Throws Strata::IllegalArgumentException "Invalid mailbox name: name is empty." for the empty
  // text and InvalidMailboxNameException "Invalid mailbox name: '<name>'." when the name rule is
  // broken.
  explicit MailboxName(const Strata::UniString& name);

  const Strata::UniString& GetName() const noexcept { return GetId(); }
  // True when the text is not empty; the character rule is not applied.
  bool IsValid() const noexcept { return HasText(); }

  // The name rule: at least one character, every one a letter or a digit. Never throws.
  static bool IsValidName(const Strata::UniString& name) noexcept;
  // False, with `name` untouched, when `text` breaks the name rule. Throws
  // Strata::IllegalArgumentException "Invalid mailbox name string: string is empty." for the
  // empty text.
  static bool Parse(const Strata::UniString& text, MailboxName& name);

  using TextIdentifier::GenerateHashValue;
  using TextIdentifier::Read;
  using TextIdentifier::ToString;
  using TextIdentifier::Write;

  bool operator==(const MailboxName& other) const noexcept {
    return TextIdentifier::operator==(other);
  }

 private:
  struct Checked {};
  // For text already known to satisfy the rule.
  MailboxName(const Strata::UniString& name, Checked);

  void CheckName(const Strata::UniString& name, const char* sourceFile,
                 unsigned int sourceLine) const;
};

}  // namespace Quorum::Server::Mail

STRATA_HASH_BY_VALUE(Quorum::Server::Mail::MailboxName);
