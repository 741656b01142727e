#include "Strata/SequenceReader.h"

#include <istream>
#include <string>

#include "Strata/CountingIBinaryChannel.h"
#include "Strata/IChannelX.h"
#include "Strata/IOException.h"
#include "Strata/Internal/StreamIBinaryChannel.h"
#include "Strata/Throw.h"

namespace Strata::internal {

namespace {

std::string Where(std::uint64_t index, std::uint64_t offset) {
  return "Value " + std::to_string(index) + " of the sequence (byte offset " +
         std::to_string(offset) + ")";
}

}  // namespace

SequenceInput::SequenceInput(const std::filesystem::path& path)
    : file_(std::make_unique<std::ifstream>(path, std::ios::binary)), in_(file_.get()) {
  if (!*file_) {
    STRATA_THROW(IOException,
                 UniString("Failed to open the file for reading: " + path.string() + "."));
  }
}

SequenceInput::~SequenceInput() = default;

bool SequenceInput::ReadNext(const ChannelReader& read) {
  if (failed_) {
    STRATA_THROW(IOException,
                 UniString(Where(index_, offset_) + " failed before; the sequence cannot go on."));
  }
  const bool atEnd = in_->peek() == std::char_traits<char>::eof();
  if (in_->bad()) STRATA_THROW(IOException, "Failed to read from the stream.");
  if (atEnd) return false;

  StreamIBinaryChannel stream(*in_);
  CountingIBinaryChannel counting(stream);
  IChannelX channel(counting);
  failed_ = true;  // until the value was read whole, whatever leaves `read`
  try {
    read(channel);
  } catch (const StrataException& e) {
    const char* what = in_->eof() ? " is truncated: " : " cannot be read: ";
    throw IOException(UniString(Where(index_, offset_) + what + e.what()), STRATA_HERE, e);
  }
  failed_ = false;
  ++index_;
  offset_ += counting.GetPosition();
  return true;
}

}  // namespace Strata::internal
