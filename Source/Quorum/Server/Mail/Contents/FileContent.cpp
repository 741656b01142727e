#include "Quorum/Server/Mail/Contents/FileContent.h"

#include <cstdint>
#include <limits>
#include <utility>

#include "Quorum/Common/IO/FileIBinaryChannel.h"
#include "Quorum/Common/IO/FileOBinaryChannel.h"
#include "Quorum/Common/IO/Files.h"
#include "Quorum/Common/IO/NullIBinaryChannel.h"
#include "Strata/IOException.h"
#include "Strata/Throw.h"

namespace Quorum::Server::Mail::Contents {

using Common::IO::FileShare;

FileContent::FileContent(const Conduit::Location& location) : location_(location) {
  Common::IO::CheckLocation(location_, STRATA_HERE);
}

FileContent::FileContent(const FileContent& other) = default;

FileContent::FileContent(FileContent&& other) noexcept
    : BodyPartContent(other), location_(std::move(other.location_)) {}

FileContent& FileContent::operator=(const FileContent& other) = default;

FileContent& FileContent::operator=(FileContent&& other) noexcept {
  location_ = std::move(other.location_);
  return *this;
}

FileContent::~FileContent() = default;

Strata::Ref<Strata::OBinaryChannel> FileContent::GetOutputChannel() {
  return Strata::MakeRef<Common::IO::FileOBinaryChannel>(location_, false, FileShare::None);
}

Strata::Ref<Strata::IBinaryChannel> FileContent::GetInputChannel() {
  if (!Common::IO::Exists(location_)) return Strata::MakeRef<Common::IO::NullIBinaryChannel>();
  return Strata::MakeRef<Common::IO::FileIBinaryChannel>(location_, FileShare::None);
}

unsigned int FileContent::GetSize() const {
  if (!Common::IO::Exists(location_)) return 0;
  const std::uint64_t size = Common::IO::GetFileSize(location_);
  // Cutting the size down would send a silently truncated body.
  if (size > std::numeric_limits<unsigned int>::max()) {
    STRATA_THROW(Strata::IOException,
                 Strata::UniString::Format("Failed to get the size of file '%T': file is too "
                                           "large for a body part content.",
                                           location_.ToString()));
  }
  return static_cast<unsigned int>(size);
}

bool FileContent::Equals(const BodyPartContent& other) const {
  const auto* file = dynamic_cast<const FileContent*>(&other);
  if (file != nullptr && file->location_ == location_) return true;
  return BodyPartContent::Equals(other);
}

BodyPartContent* FileContent::Clone() const { return new FileContent(*this); }

}  // namespace Quorum::Server::Mail::Contents
