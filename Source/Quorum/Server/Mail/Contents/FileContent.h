#pragma once

#include "Conduit/Location.h"
#include "Quorum/Server/Mail/BodyPartContent.h"
#include "Quorum/Server/Mail/Export.h"

namespace Quorum::Server::Mail::Contents {

/// A body part content whose bytes live in a file: it holds only the file's
/// location.
///
/// Every operation asks the file system again, and bytes are streamed from
/// and to the file, never loaded whole. A missing file reads as an empty
/// content. Clones and copies name the same file; nothing coordinates their
/// channels. Not thread-safe.
///
/// A body part holding it takes the file's size once when written: a part
/// whose "Content-Size" header no longer says that size (the file changed
/// since the part was built) is refused before anything is written; a file
/// that shrinks during the copy fails the write, one that grows is cut at
/// the size. A file rewritten in place during the copy can still give a torn
/// mix of old and new bytes: replace a file by writing a new one and
/// renaming it over the old.
class QUORUM_MAIL_EXPORT FileContent : public BodyPartContent {
 public:
  /// The content of the file at `location`. Throws what
  /// Quorum::Common::IO::CheckLocation throws for a location that cannot
  /// name a file; the file itself need not exist.
  explicit FileContent(const Conduit::Location& location);
  /// Copies name the same file; a move takes the location.
  ///@{
  FileContent(const FileContent& other);
  FileContent(FileContent&& other) noexcept;
  FileContent& operator=(const FileContent& other);
  FileContent& operator=(FileContent&& other) noexcept;
  ///@}
  ~FileContent() override;

  /// Writes the file from its start, replacing what it held; creates it when
  /// missing.
  Strata::Ref<Strata::OBinaryChannel> GetOutputChannel() override;
  /// The file's bytes; a missing file gives a channel at its end at once.
  Strata::Ref<Strata::IBinaryChannel> GetInputChannel() override;
  /// 0 for a missing file. Throws Strata::IOException naming the file when
  /// it holds 4 GiB or more, which a content size cannot carry.
  unsigned int GetSize() const override;
  /// Equal locations are equal without touching the file; otherwise by
  /// bytes.
  bool Equals(const BodyPartContent& other) const override;
  /// A new FileContent on the same file; the bytes are not copied.
  BodyPartContent* Clone() const override;

 private:
  Conduit::Location location_;
};

}  // namespace Quorum::Server::Mail::Contents
