#pragma once

#include "Conduit/Location.h"
#include "Quorum/Server/Mail/BodyPartContentFactory.h"
#include "Quorum/Server/Mail/DefaultBodyPartContentFactory.h"
#include "Quorum/Server/Mail/Export.h"

namespace Quorum::Server::Mail {

/// A content factory for receiving mail of any size in little memory: a
/// content of more than a threshold of bytes goes to a
/// Contents::TemporaryFileContent in a folder the caller chooses, any other
/// is what DefaultBodyPartContentFactory makes (text or memory content).
///
/// A text part above the threshold stays bytes on disk too: it has no
/// GetText, and Contents::ReadText gives its text, decoded in its charset,
/// up to a size the caller allows. Pass the factory to the Read of Mail,
/// BodyParts or BodyPart (or to Strata::FromBytes, ReadFromFile,
/// ReadFromStream and SequenceReader::Read). Holds only its folder and
/// threshold; copies are independent. Not thread-safe.
class QUORUM_MAIL_EXPORT SpillingBodyPartContentFactory : public BodyPartContentFactory {
 public:
  /// The threshold when none is given: 4 MiB.
  static constexpr unsigned int DefaultThreshold = 4u << 20;

  /// Spills contents of more than `threshold` bytes into temporary files in
  /// `folder`. Makes one such file at once to check the folder: throws
  /// Strata::IOException naming it when no file can be made there, and
  /// Strata::IllegalArgumentException for an empty location.
  explicit SpillingBodyPartContentFactory(const Conduit::Location& folder,
                                          unsigned int threshold = DefaultThreshold);
  /// Copies the folder and the threshold; the folder is not checked again.
  SpillingBodyPartContentFactory(const SpillingBodyPartContentFactory& other);
  /// Takes the folder and the threshold.
  SpillingBodyPartContentFactory(SpillingBodyPartContentFactory&& other) noexcept;
  /// Copies the folder and the threshold; the folder is not checked again.
  SpillingBodyPartContentFactory& operator=(const SpillingBodyPartContentFactory& other);
  /// Takes the folder and the threshold.
  SpillingBodyPartContentFactory& operator=(SpillingBodyPartContentFactory&& other) noexcept;
  ~SpillingBodyPartContentFactory() override;

  /// What DefaultBodyPartContentFactory makes: without a size there is
  /// nothing to spill for.
  Strata::Ref<BodyPartContent> Create(const Headers& headers) override;
  /// A Contents::TemporaryFileContent when `size` is above the threshold,
  /// else what Create(headers) makes. Throws Strata::IOException naming the
  /// folder when no temporary file can be made.
  Strata::Ref<BodyPartContent> CreateForSize(const Headers& headers, unsigned int size) override;

  /// The folder temporary files are made in.
  const Conduit::Location& GetFolder() const noexcept { return folder_; }
  /// Contents of more bytes than this are spilled.
  unsigned int GetThreshold() const noexcept { return threshold_; }

 private:
  Conduit::Location folder_;
  unsigned int threshold_;
  DefaultBodyPartContentFactory small_;
};

}  // namespace Quorum::Server::Mail
