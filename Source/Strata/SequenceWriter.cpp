#include "Strata/SequenceWriter.h"

#include <ostream>

#include "Strata/IOException.h"
#include "Strata/Throw.h"

namespace Strata::internal {

SequenceOutput::SequenceOutput(const std::filesystem::path& path)
    : file_(std::make_unique<std::ofstream>(path, std::ios::binary | std::ios::trunc)),
      out_(file_.get()) {
  if (!*file_) {
    STRATA_THROW(IOException,
                 UniString("Failed to open the file for writing: " + path.string() + "."));
  }
}

SequenceOutput::~SequenceOutput() = default;

void SequenceOutput::Append(std::span<const std::byte> bytes) {
  WriteStream(*out_, bytes);
  ++count_;
}

void SequenceOutput::Close() {
  if (file_) {
    file_->close();
  } else {
    out_->flush();
  }
  if (!*out_) STRATA_THROW(IOException, "Failed to write the sequence.");
}

}  // namespace Strata::internal
