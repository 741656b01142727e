#pragma once

#include "Conduit/Location.h"
#include "Quorum/Server/Mail/BodyPartContent.h"
#include "Quorum/Server/Mail/Export.h"
#include "Strata/Ref.h"

namespace Quorum::Server::Mail::Contents {

class TemporaryFileOBinaryChannel;

/// A body part content whose bytes live in a temporary file of its own, so
/// that a large content costs disk, not memory.
///
/// The file is made in a folder the caller chooses, without a name where the
/// system allows (O_TMPFILE; elsewhere it is named and unlinked at once), so
/// other processes never see it and it goes when the last content or channel
/// holding it goes, also when the process dies. Each content holds one open
/// descriptor. Bytes are written once: an output channel fills a new file,
/// which replaces the content's on Close. SpillingBodyPartContentFactory
/// makes these for large received contents. Copies are made with Clone. Not
/// thread-safe.
class QUORUM_MAIL_EXPORT TemporaryFileContent : public BodyPartContent {
 public:
  /// An empty content making its files in `folder`. Throws
  /// Strata::IOException naming the folder when no file can be made there,
  /// and Strata::IllegalArgumentException for an empty location.
  explicit TemporaryFileContent(const Conduit::Location& folder);
  ~TemporaryFileContent() override;
  TemporaryFileContent(const TemporaryFileContent&) = delete;
  TemporaryFileContent& operator=(const TemporaryFileContent&) = delete;

  /// A channel filling a new file in the folder; on its first Close those
  /// bytes become the content, and the file they replace goes with the last
  /// input channel still reading it. Destroyed without Close, it drops its
  /// file and the content stays as it was. Throws Strata::IOException naming
  /// the folder when no file can be made, and on Close when the bytes are
  /// more than an unsigned int can count.
  Strata::Ref<Strata::OBinaryChannel> GetOutputChannel() override;
  /// A channel with a position of its own over the bytes as they are now;
  /// several may be open at once.
  Strata::Ref<Strata::IBinaryChannel> GetInputChannel() override;
  /// The bytes of the file, counted when its output channel was closed.
  unsigned int GetSize() const override;
  /// True at once for a content on the same file; otherwise by bytes.
  bool Equals(const BodyPartContent& other) const override;
  /// A new content with a file of its own in the same folder, the bytes
  /// copied inside the kernel where the system allows. Throws as the
  /// constructor, and Strata::IOException when the copy fails; no file is
  /// left behind then.
  BodyPartContent* Clone() const override;

  /// The folder the content makes its files in.
  const Conduit::Location& GetFolder() const noexcept;

 private:
  friend class TemporaryFileOBinaryChannel;
  struct Record;

  QUORUM_MAIL_LOCAL explicit TemporaryFileContent(Strata::Ref<Record> record) noexcept;

  Strata::Ref<Record> record_;
};

}  // namespace Quorum::Server::Mail::Contents
