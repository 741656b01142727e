#pragma once

#include "Quorum/Server/Mail/Export.h"
#include "Quorum/Server/Mail/TextIdentifier.h"
#include "Strata/Hashing.h"
#include "Strata/UniChar.h"

namespace Quorum::Server::Mail {

/// The hierarchical place a mailbox lives in: a path of names joined by
/// SeparatorCharacter ('/').
///
/// The empty namespace is the top level and the default. A namespace built
/// from text always satisfies the namespace rule (see IsValidName); one read
/// from a channel may not. Not thread-safe for mutation.
class QUORUM_MAIL_EXPORT MailboxNamespace : private internal::TextIdentifier {
 public:
  /// '/'. Constant-initialised: valid before any static initialiser runs.
  static const Strata::UniChar SeparatorCharacter;

  /// The empty namespace, the top level.
  MailboxNamespace() = default;
  /// The namespace `name`. Throws Strata::IllegalArgumentException "Invalid
  /// mailbox namespace name: name is empty." for the empty text and
  /// InvalidMailboxNamespaceNameException "Invalid mailbox namespace name:
  /// '<name>'" when the namespace rule is broken.
  explicit MailboxNamespace(const Strata::UniString& name);

  /// The whole path text.
  const Strata::UniString& GetName() const noexcept { return GetId(); }
  /// True for the top level.
  bool IsEmpty() const noexcept { return !HasText(); }

  /// The namespace rule: not empty; only letters, digits, '/', '_' and '-';
  /// neither first nor last character '/'. Adjacent separators are allowed.
  /// Never throws.
  static bool IsValidName(const Strata::UniString& name) noexcept;
  /// Stores `text` in `name` when it satisfies the namespace rule; false,
  /// with `name` untouched, when it breaks it. Throws
  /// Strata::IllegalArgumentException "Invalid mailbox namespace string:
  /// string is empty." for the empty text.
  static bool Parse(const Strata::UniString& text, MailboxNamespace& name);

  /// Appends `other` below this namespace (one separator between, none when
  /// this one is empty); the result is not validated again. Throws
  /// Strata::IllegalArgumentException "Invalid mailbox namespace: namespace
  /// is empty." when `other` is empty; then this namespace is unchanged.
  MailboxNamespace& Append(const MailboxNamespace& other);
  /// Appends `name`, which may hold separators, after validating it as a
  /// namespace. Throws Strata::IllegalArgumentException "Invalid mailbox
  /// namespace name: name is empty." or InvalidMailboxNamespaceNameException;
  /// then this namespace is unchanged.
  MailboxNamespace& Append(const Strata::UniString& name);
  /// The namespace without its last level; the empty namespace for the empty
  /// namespace and for a single level. Throws
  /// InvalidMailboxNamespaceNameException when the remaining path breaks the
  /// rule (as after two adjacent separators).
  MailboxNamespace GetParent() const;

  /// The path text, unchanged.
  Strata::UniString ToString() const { return TextIdentifier::ToString(); }
  /// Strata::UniString::GenerateHashValue of the path text.
  unsigned int GenerateHashValue() const noexcept { return TextIdentifier::GenerateHashValue(); }

  /// The path text as one string.
  void Write(Strata::OChannelX& channel) const { TextIdentifier::Write(channel); }
  /// Takes any text, one that breaks the namespace rule included; unchanged
  /// if the read fails.
  void Read(Strata::IChannelX& channel) { TextIdentifier::Read(channel); }

  /// Equal when the path texts are.
  bool operator==(const MailboxNamespace& other) const noexcept {
    return TextIdentifier::operator==(other);
  }

 private:
  struct Unchecked {};
  // Takes a non-empty text as given.
  QUORUM_MAIL_LOCAL MailboxNamespace(const Strata::UniString& name, Unchecked);

  QUORUM_MAIL_LOCAL void CheckName(const Strata::UniString& name, const char* sourceFile,
                                   unsigned int sourceLine) const;
};

}  // namespace Quorum::Server::Mail

STRATA_HASH_BY_VALUE(Quorum::Server::Mail::MailboxNamespace);
