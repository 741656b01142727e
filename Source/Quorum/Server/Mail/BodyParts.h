#pragma once

#include "Quorum/Server/Mail/BodyPart.h"
#include "Quorum/Server/Mail/BodyPartContentFactory.h"
#include "Quorum/Server/Mail/Export.h"
#include "Strata/ConstForwardContainerIterator.h"
#include "Strata/HashTable.h"
#include "Strata/IChannelX.h"
#include "Strata/OChannelX.h"
#include "Strata/Ref.h"
#include "Strata/UniString.h"

namespace Quorum::Server::Mail {

/// The collection of the body parts of a mail: at most one part per name,
/// names matched exactly (case included).
///
/// Parts are shared: Add stores the given object and Get returns the stored
/// one, so changes through either reach the collection. Copying the
/// collection copies every part and its content. Entries keep a storage
/// order (append; replace in place; removal moves the last entry into the
/// hole) that Enumerate and Write follow; equality ignores it. Not
/// thread-safe.
///
/// A stored part stays under the name it was stored with. A part renamed
/// through the shared object (by assignment, Swap or Read) is still found,
/// copied and compared under that name, and Write writes it with that name,
/// so no part is ever lost; it comes back from a channel under that name.
class QUORUM_MAIL_EXPORT BodyParts {
 public:
  /// No parts.
  BodyParts();
  /// A copy copies every part (BodyPart's copy constructor: name and headers
  /// as they are, content cloned) in storage order, each under the name it
  /// is stored with, so the copy equals the original even for parts read
  /// from a channel that their constructors would refuse. Throws what
  /// cloning a content throws; copy assignment is then unchanged. A move
  /// takes the parts and leaves `other` empty.
  ///@{
  BodyParts(const BodyParts& other);
  BodyParts(BodyParts&& other) noexcept;
  const BodyParts& operator=(const BodyParts& other);
  BodyParts& operator=(BodyParts&& other) noexcept;
  ///@}
  ~BodyParts();

  /// Stores `part` itself under its name, replacing a part of that name in
  /// its place.
  ///
  /// This and the other operations taking a part throw
  /// Strata::IllegalArgumentException "Invalid body part: part is null." for
  /// an empty reference and "Invalid body part: part is not valid." for a
  /// part with an empty name.
  void Add(const Strata::Ref<BodyPart>& part);
  /// True when the part stored under `part`'s name equals it (BodyPart
  /// equality, which may throw BodyPartContentException). Throws as Add for
  /// an empty or invalid part.
  bool Contains(const Strata::Ref<BodyPart>& part) const;
  /// Removes the part stored under `part`'s name only when it equals `part`.
  /// Throws as Add for an empty or invalid part.
  bool Remove(const Strata::Ref<BodyPart>& part);

  /// True when a part is stored under `name`.
  ///
  /// This and the other operations taking a name throw
  /// Strata::IllegalArgumentException "Invalid body part name: name is
  /// empty." for an empty name.
  bool Contains(const Strata::UniString& name) const;
  /// The stored part itself, or an empty reference. Throws as Contains for
  /// an empty name.
  Strata::Ref<BodyPart> Get(const Strata::UniString& name);
  /// Removes the part stored under `name`; true when there was one. Throws
  /// as Contains for an empty name.
  bool Remove(const Strata::UniString& name);

  /// Removes every part and releases the storage.
  void Clear() noexcept { table_.Clear(); }
  /// The number of parts.
  unsigned int GetSize() const noexcept { return table_.GetSize(); }
  /// True when there are no parts.
  bool IsEmpty() const noexcept { return table_.IsEmpty(); }
  /// The stored references in storage order; invalidated by any change.
  Strata::ConstForwardContainerIterator<Strata::Ref<BodyPart>> Enumerate() const {
    return table_.EnumerateValues();
  }
  /// The same sequence for range-based for and std::ranges algorithms.
  ///@{
  auto begin() const { return Enumerate().begin(); }
  auto end() const { return Enumerate().end(); }
  ///@}

  /// Same number of parts, and each part of this collection equals the part
  /// the other stores under the same name; order ignored.
  ///@{
  bool operator==(const BodyParts& other) const;
  bool operator!=(const BodyParts& other) const { return !(*this == other); }
  ///@}
  /// Exchanges the parts.
  void Swap(BodyParts& other) noexcept { table_.Swap(other.table_); }

  /// The count as an unsigned int, then each part in storage order, written
  /// with the name it is stored under (BodyPart::Write, which may throw).
  void Write(Strata::OChannelX& channel) const;
  /// Reads a count and that many parts, stored under their names unchecked
  /// (a later part replaces an earlier one of the same name in its place).
  /// Unchanged if it throws.
  void Read(Strata::IChannelX& channel);
  /// Reads as Read does, each part's content made by `factory`
  /// (BodyPart::Read with a factory). Unchanged if it throws.
  void Read(Strata::IChannelX& channel, BodyPartContentFactory& factory);

 private:
  Strata::HashTable<Strata::UniString, Strata::Ref<BodyPart>> table_;
};

}  // namespace Quorum::Server::Mail
