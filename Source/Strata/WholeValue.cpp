#include "Strata/WholeValue.h"

#include <fstream>
#include <istream>
#include <limits>
#include <ostream>
#include <string>

#include "Strata/IBinaryChannel.h"
#include "Strata/IChannelX.h"
#include "Strata/IOException.h"
#include "Strata/Internal/StreamIBinaryChannel.h"
#include "Strata/MemoryIBinaryChannel.h"
#include "Strata/OBinaryChannel.h"
#include "Strata/OChannelX.h"
#include "Strata/Throw.h"

namespace Strata::internal {

namespace {

class ByteVectorChannel : public OBinaryChannel {
 public:
  explicit ByteVectorChannel(std::vector<std::byte>& bytes) : bytes_(bytes) {}
  void Write(const unsigned char* data, unsigned int count) override {
    const auto* first = reinterpret_cast<const std::byte*>(data);
    bytes_.insert(bytes_.end(), first, first + count);
  }

 private:
  std::vector<std::byte>& bytes_;
};

void ReadAll(IBinaryChannel& binary, const ChannelReader& read) {
  IChannelX channel(binary);
  read(channel);
}

// Every failure about a file names it, as SequenceReader's do.
[[noreturn]] void ThrowFileError(const char* what, const std::filesystem::path& path) {
  STRATA_THROW(IOException, UniString(std::string(what) + ": " + path.string() + "."));
}

void ThrowLeftOver() { STRATA_THROW(IOException, "Bytes are left over after the value."); }

}  // namespace

std::vector<std::byte> WriteBytes(const ChannelWriter& write) {
  std::vector<std::byte> bytes;
  ByteVectorChannel binary(bytes);
  OChannelX channel(binary);
  write(channel);
  return bytes;
}

void ReadBytes(std::span<const std::byte> bytes, const ChannelReader& read) {
  if (bytes.size() > std::numeric_limits<unsigned int>::max()) {
    STRATA_THROW(IOException, "Too many bytes for one value.");
  }
  MemoryIBinaryChannel binary(reinterpret_cast<const unsigned char*>(bytes.data()),
                              static_cast<unsigned int>(bytes.size()));
  ReadAll(binary, read);
  if (binary.GetAvailable() != 0) ThrowLeftOver();
}

void ReadFile(const std::filesystem::path& path, const ChannelReader& read) {
  std::ifstream in(path, std::ios::binary);
  if (!in) ThrowFileError("Failed to open the file for reading", path);
  StreamIBinaryChannel binary(in);
  ReadAll(binary, read);
  if (in.peek() != std::char_traits<char>::eof()) ThrowLeftOver();
  if (in.bad()) ThrowFileError("Failed to read from the file", path);
}

void ReadStream(std::istream& in, const ChannelReader& read) {
  StreamIBinaryChannel binary(in);
  ReadAll(binary, read);
}

void WriteStream(std::ostream& out, std::span<const std::byte> bytes) {
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  if (!out) STRATA_THROW(IOException, "Failed to write to the stream.");
}

void WriteFile(const std::filesystem::path& path, std::span<const std::byte> bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) ThrowFileError("Failed to open the file for writing", path);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) ThrowFileError("Failed to write to the file", path);
}

}  // namespace Strata::internal
