#include "Quorum/Server/Mail/Contents/TemporaryFileContent.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <utility>

#include "Quorum/Common/IO/BinaryChannelUtilities.h"
#include "Quorum/Common/IO/FileBackedChannel.h"
#include "Quorum/Common/IO/FileOBinaryChannel.h"
#include "Quorum/Common/Internal/FileError.h"
#include "Strata/IOException.h"
#include "Strata/IllegalArgumentException.h"
#include "Strata/Throw.h"

namespace Quorum::Server::Mail::Contents {

namespace internal {

// An open temporary file, closed, and so removed, with its last reference.
struct TemporaryFile {
  TemporaryFile(int descriptor, Conduit::Location name) noexcept
      : descriptor(descriptor), name(std::move(name)) {}
  ~TemporaryFile() { ::close(descriptor); }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  const int descriptor;
  // What messages call the file, which has no name of its own.
  const Conduit::Location name;
};

}  // namespace internal

struct TemporaryFileContent::Record {
  Conduit::Location folder;
  // Holds exactly `size` bytes and is never written again; empty only while
  // a clone is being filled.
  Strata::Ref<internal::TemporaryFile> file;
  unsigned int size = 0;
};

namespace {

using Common::IO::FileBackedChannel;
using internal::TemporaryFile;

[[noreturn]] void ThrowCannotCreate(const Conduit::Location& folder, int error) {
  STRATA_THROW(
      Strata::IOException,
      Strata::UniString::Format("Failed to create a temporary file in folder '%T': %s.",
                                folder.ToString(), static_cast<const char*>(std::strerror(error))));
}

// A new, empty file in `folder` that no other process can open: without a
// name where the file system allows, else named and unlinked at once.
Strata::Ref<TemporaryFile> MakeTemporaryFile(const Conduit::Location& folder) {
  if (folder.IsEmpty()) {
    STRATA_THROW(Strata::IllegalArgumentException, "Invalid location: location is empty.");
  }
  const std::filesystem::path& path = folder.GetPath();
  int descriptor = ::open(path.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, S_IRUSR | S_IWUSR);
  if (descriptor < 0) {
    std::string name = (path / ".quorum-content-XXXXXX").string();
    descriptor = ::mkostemp(name.data(), O_CLOEXEC);
    if (descriptor < 0) ThrowCannotCreate(folder, errno);
    ::unlink(name.c_str());
  }
  try {
    return Strata::MakeRef<TemporaryFile>(descriptor, Conduit::Location(path / "(temporary file)"));
  } catch (...) {
    ::close(descriptor);
    throw;
  }
}

// Reads a temporary file from its first byte with a position of its own, so
// that several channels read one file at once.
class TemporaryFileIBinaryChannel : public Strata::IBinaryChannel, public FileBackedChannel {
 public:
  TemporaryFileIBinaryChannel(Strata::Ref<TemporaryFile> file, unsigned int size) noexcept
      : file_(std::move(file)), size_(size) {}

  unsigned int Read(unsigned char* data, unsigned int count) override {
    const unsigned int wanted = std::min(count, GetAvailable());
    if (wanted == 0) return 0;
    for (;;) {
      const ssize_t got = ::pread(file_->descriptor, data, wanted, position_);
      if (got >= 0) {
        position_ += got;
        return static_cast<unsigned int>(got);
      }
      if (errno != EINTR) {
        Common::IO::internal::ThrowFileError("read", file_->name, errno, STRATA_HERE);
      }
    }
  }

  unsigned int GetAvailable() const override {
    if (file_.IsNull() || position_ >= size_) return 0;
    return size_ - static_cast<unsigned int>(position_);
  }

  void Close() override { file_.Release(); }

  KernelCopyEnd PrepareKernelCopy() override {
    if (file_.IsNull()) return {};
    return {file_->descriptor, &position_};
  }

 private:
  Strata::Ref<TemporaryFile> file_;
  unsigned int size_;
  std::int64_t position_ = 0;
};

int DuplicateForWriting(const TemporaryFile& file) {
  const int descriptor = ::fcntl(file.descriptor, F_DUPFD_CLOEXEC, 0);
  if (descriptor < 0) Common::IO::internal::ThrowFileError("open", file.name, errno, STRATA_HERE);
  return descriptor;
}

}  // namespace

// Fills a new temporary file through a file channel of its own and, on its
// first Close, makes it the content's file. Later Close calls do nothing.
class TemporaryFileOBinaryChannel : public Strata::OBinaryChannel, public FileBackedChannel {
 public:
  explicit TemporaryFileOBinaryChannel(Strata::Ref<TemporaryFileContent::Record> record)
      : record_(std::move(record)),
        file_(MakeTemporaryFile(record_->folder)),
        output_(DuplicateForWriting(*file_), file_->name) {}

  void Write(const unsigned char* data, unsigned int count) override { output_.Write(data, count); }
  void Flush() override { output_.Flush(); }
  KernelCopyEnd PrepareKernelCopy() override { return output_.PrepareKernelCopy(); }

  void Close() override {
    if (record_.IsNull()) return;
    const Strata::Ref<TemporaryFileContent::Record> record = std::move(record_);
    output_.Close();
    // The file is this channel's alone, so its size is what was written,
    // whether by Write or by a copy inside the kernel.
    struct stat status;
    if (::fstat(file_->descriptor, &status) != 0) {
      Common::IO::internal::ThrowFileError("get the size of", file_->name, errno, STRATA_HERE);
    }
    if (static_cast<std::uint64_t>(status.st_size) > std::numeric_limits<unsigned int>::max()) {
      STRATA_THROW(Strata::IOException,
                   Strata::UniString::Format("Failed to write file '%T': file is too large for a "
                                             "body part content.",
                                             file_->name.ToString()));
    }
    record->file = std::move(file_);
    record->size = static_cast<unsigned int>(status.st_size);
  }

 private:
  Strata::Ref<TemporaryFileContent::Record> record_;
  Strata::Ref<TemporaryFile> file_;
  Common::IO::FileOBinaryChannel output_;
};

TemporaryFileContent::TemporaryFileContent(const Conduit::Location& folder)
    : record_(Strata::MakeRef<Record>()) {
  record_->folder = folder;
  record_->file = MakeTemporaryFile(folder);
}

TemporaryFileContent::TemporaryFileContent(Strata::Ref<Record> record) noexcept
    : record_(std::move(record)) {}

TemporaryFileContent::~TemporaryFileContent() = default;

Strata::Ref<Strata::OBinaryChannel> TemporaryFileContent::GetOutputChannel() {
  return Strata::MakeRef<TemporaryFileOBinaryChannel>(record_);
}

Strata::Ref<Strata::IBinaryChannel> TemporaryFileContent::GetInputChannel() {
  return Strata::MakeRef<TemporaryFileIBinaryChannel>(record_->file, record_->size);
}

unsigned int TemporaryFileContent::GetSize() const { return record_->size; }

bool TemporaryFileContent::Equals(const BodyPartContent& other) const {
  const auto* temporary = dynamic_cast<const TemporaryFileContent*>(&other);
  if (temporary != nullptr && temporary->record_->file == record_->file) return true;
  return BodyPartContent::Equals(other);
}

BodyPartContent* TemporaryFileContent::Clone() const {
  auto record = Strata::MakeRef<Record>();
  record->folder = record_->folder;
  TemporaryFileOBinaryChannel output(record);
  TemporaryFileIBinaryChannel input(record_->file, record_->size);
  if (Common::IO::BinaryChannelUtilities::Copy(input, output, record_->size) != record_->size) {
    STRATA_THROW(Strata::IOException,
                 Strata::UniString::Format("Failed to read file '%T': file ended early.",
                                           record_->file->name.ToString()));
  }
  output.Close();
  return new TemporaryFileContent(std::move(record));
}

const Conduit::Location& TemporaryFileContent::GetFolder() const noexcept {
  return record_->folder;
}

}  // namespace Quorum::Server::Mail::Contents
