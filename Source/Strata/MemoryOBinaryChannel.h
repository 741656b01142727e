// MemoryOBinaryChannel collects the bytes written to it in a buffer of its
// own that grows geometrically (or at once to what ReserveMore announces;
// new room is never zero-filled). Writing after Close throws IOException.
#pragma once

#include <memory>

#include "Strata/Export.h"
#include "Strata/OBinaryChannel.h"

namespace Strata {

class STRATA_EXPORT MemoryOBinaryChannel : public OBinaryChannel {
 public:
  MemoryOBinaryChannel();
  ~MemoryOBinaryChannel() override;
  MemoryOBinaryChannel(const MemoryOBinaryChannel&) = delete;
  MemoryOBinaryChannel& operator=(const MemoryOBinaryChannel&) = delete;

  void Write(const unsigned char* data, unsigned int count) override;
  void ReserveMore(unsigned int count) noexcept override;
  unsigned char* WriteInPlace(unsigned int count) override;
  void Close() override;

  // The bytes written so far; null while none were written.
  const unsigned char* GetBuffer() const noexcept { return buffer_.get(); }
  unsigned int GetSize() const noexcept { return size_; }
  bool IsClosed() const noexcept { return closed_; }

  // Hands the buffer (allocated with new[]) to the caller, who frees it with
  // delete[] or passes it to a MemoryIBinaryChannel that owns it. The channel
  // is left empty. May return null when nothing was written.
  unsigned char* ReleaseBuffer() noexcept;

 private:
  // The capacity to grow to for `count` more bytes, which do not fit now;
  // throws IOException when the total would not fit an unsigned int.
  unsigned long long CapacityFor(unsigned int count) const;
  // Moves the bytes to a buffer of `capacity` bytes and then appends `count`
  // bytes from `data`, which may point into the old buffer.
  void Regrow(unsigned long long capacity, const unsigned char* data, unsigned int count);

  std::unique_ptr<unsigned char[]> buffer_;
  unsigned int size_ = 0;
  unsigned int capacity_ = 0;
  bool closed_ = false;
};

}  // namespace Strata
