#pragma once

#include "Quorum/Server/Mail/CaseInsensitiveTable.h"
#include "Quorum/Server/Mail/Export.h"
#include "Quorum/Server/Mail/Parameter.h"
#include "Strata/ConstForwardContainerIterator.h"

namespace Quorum::Server::Mail {

/// The collection of parameters of one structured header value: at most one
/// parameter per name, names matched without regard to case, each kept with
/// its name in the caller's case.
///
/// Entries keep a storage order (append; replace in place; removal moves the
/// last entry into the hole) that Enumerate, ToString and Write follow;
/// equality ignores it. Set, Get, Contains and Remove take O(1) on average;
/// ToString, Parse and Read are linear. A value type, not thread-safe.
class QUORUM_MAIL_EXPORT Parameters {
 public:
  /// Stores `parameter`, replacing the one of the same name (any case) in
  /// its place; the name rule is not applied. Throws
  /// Strata::IllegalArgumentException "Invalid parameter: parameter is not
  /// valid." when its name is empty.
  void Set(const Parameter& parameter);
  /// Stores Parameter(name, value): throws Strata::IllegalArgumentException
  /// "Invalid parameter name: name is empty." or
  /// InvalidParameterNameException.
  void Set(const Strata::UniString& name, const Strata::UniString& value);

  /// Copies the parameter of that name (any case) into `parameter`; false,
  /// with `parameter` untouched, when there is none. The look-ups by name
  /// throw Strata::IllegalArgumentException "Invalid parameter name: name is
  /// empty." for an empty name and apply no other rule.
  bool Get(const Strata::UniString& name, Parameter& parameter) const;
  /// The stored parameter of that name (any case), or null; no copy. The
  /// pointer is invalidated by any change. Same name rule as Get.
  const Parameter* Find(const Strata::UniString& name) const;
  /// True when a parameter of that name (any case) is stored. Same name rule
  /// as Get.
  bool Contains(const Strata::UniString& name) const;
  /// True when `parameter` is stored under its name and equal to the stored
  /// one. Throws "Invalid parameter: parameter is not valid." for an empty
  /// name.
  bool Contains(const Parameter& parameter) const;
  /// Removes the parameter of that name (any case); true when there was
  /// one. Same name rule as Get.
  bool Remove(const Strata::UniString& name);
  /// Removes the parameter of the same name only when it equals
  /// `parameter`. Throws "Invalid parameter: parameter is not valid." for an
  /// empty name.
  bool Remove(const Parameter& parameter);

  /// Removes every parameter and releases the storage.
  void Clear() noexcept { table_.Clear(); }
  /// The number of parameters.
  unsigned int GetSize() const noexcept { return table_.GetSize(); }
  /// True when there are no parameters.
  bool IsEmpty() const noexcept { return table_.IsEmpty(); }
  /// The parameters in storage order; invalidated by any change.
  Strata::ConstForwardContainerIterator<Parameter> Enumerate() const { return table_.Enumerate(); }
  /// The same sequence for range-based for and std::ranges algorithms.
  ///@{
  auto begin() const { return Enumerate().begin(); }
  auto end() const { return Enumerate().end(); }
  ///@}

  /// Same parameters under the same names (Parameter equality); order
  /// ignored.
  ///@{
  bool operator==(const Parameters& other) const { return table_ == other.table_; }
  bool operator!=(const Parameters& other) const { return !(*this == other); }
  ///@}
  /// Exchanges the parameters.
  void Swap(Parameters& other) noexcept { table_.Swap(other.table_); }

  /// Each Parameter::ToString in storage order, a ';' (no space) put before
  /// each when the text so far is not empty, so a parameter with an empty
  /// name prints nothing; the empty text for an empty collection.
  Strata::UniString ToString() const;

  /// Parses name="value" items joined by single semicolons, nothing else: no
  /// white space outside quotes, no empty item, no trailing semicolon. A
  /// later name replaces an earlier equal one in its place. The empty text
  /// gives an empty collection. Returns false, leaving `parameters`
  /// untouched, for malformed text.
  static bool Parse(const Strata::UniString& text, Parameters& parameters);

  /// The count as an unsigned int, then each parameter in storage order.
  void Write(Strata::OChannelX& channel) const { table_.Write(channel); }
  /// Reads a count and that many parameters, stored as read (unchecked; a
  /// later name replaces an earlier equal one in its place). Unchanged if it
  /// throws.
  void Read(Strata::IChannelX& channel) { table_.Read(channel); }

 private:
  internal::CaseInsensitiveTable<Parameter> table_;
};

}  // namespace Quorum::Server::Mail
