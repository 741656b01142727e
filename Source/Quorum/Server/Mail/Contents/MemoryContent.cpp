#include "Quorum/Server/Mail/Contents/MemoryContent.h"

#include <limits>

#include "Quorum/Commons/DataBufferIBinaryChannel.h"
#include "Quorum/Commons/DataBufferOBinaryChannel.h"
#include "Strata/IllegalArgumentException.h"
#include "Strata/Throw.h"

namespace Quorum::Server::Mail::Contents {

namespace {

using Buffer = Commons::DataBuffer<unsigned char>;

// Collects the written bytes and, on the first Close, exchanges them with the
// content's buffer. Later Close calls do nothing, so the content's bytes are
// never traded back.
class MemoryContentOBinaryChannel : public Commons::DataBufferOBinaryChannel<unsigned char> {
 public:
  explicit MemoryContentOBinaryChannel(Strata::Ref<Buffer> data)
      : DataBufferOBinaryChannel(0), data_(std::move(data)) {}

  void Close() override {
    if (IsClosed()) return;
    DataBufferOBinaryChannel::Close();
    data_->Swap(GetBuffer());
    // The previous bytes are of no further use; free them now.
    Buffer().Swap(GetBuffer());
    data_.Release();
  }

 private:
  Strata::Ref<Buffer> data_;
};

}  // namespace

MemoryContent::MemoryContent() : data_(Strata::MakeRef<Buffer>()) {}

MemoryContent::MemoryContent(const Buffer& data) : data_(Strata::MakeRef<Buffer>(data)) {}

MemoryContent::MemoryContent(std::span<const std::byte> bytes) : MemoryContent() {
  if (bytes.size() > std::numeric_limits<unsigned int>::max()) {
    STRATA_THROW(Strata::IllegalArgumentException, "Invalid bytes: too many for a content.");
  }
  data_->Append(reinterpret_cast<const unsigned char*>(bytes.data()),
                static_cast<unsigned int>(bytes.size()));
}

MemoryContent::~MemoryContent() = default;

Strata::Ref<Strata::OBinaryChannel> MemoryContent::GetOutputChannel() {
  return Strata::MakeRef<MemoryContentOBinaryChannel>(data_);
}

Strata::Ref<Strata::IBinaryChannel> MemoryContent::GetInputChannel() {
  return Strata::MakeRef<Commons::DataBufferIBinaryChannel<unsigned char>>(
      Strata::Ref<const Buffer>(data_));
}

unsigned int MemoryContent::GetSize() const { return data_->GetSize(); }

bool MemoryContent::Equals(const BodyPartContent& other) const {
  if (const auto* memory = dynamic_cast<const MemoryContent*>(&other)) {
    return *data_ == *memory->data_;
  }
  return BodyPartContent::Equals(other);
}

BodyPartContent* MemoryContent::Clone() const { return new MemoryContent(*data_); }

void MemoryContent::SetData(const Buffer& data) { *data_ = data; }

}  // namespace Quorum::Server::Mail::Contents
