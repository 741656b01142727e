#pragma once

#include <memory>

#include "Strata/Export.h"
#include "Strata/OBinaryChannel.h"

namespace Strata {

/// Collects the bytes written to it in a buffer of its own.
///
/// The buffer grows geometrically from kFirstCapacity bytes (or at once to
/// what ReserveMore announces; new room is never zero-filled). Writing after Close throws
/// IOException. Not thread-safe.
class STRATA_EXPORT MemoryOBinaryChannel : public OBinaryChannel {
 public:
  /// The size of the buffer the first write makes, unless ReserveMore
  /// announced another.
  static constexpr unsigned int kFirstCapacity = 4096;

  /// An open channel with no bytes and no buffer.
  MemoryOBinaryChannel();
  ~MemoryOBinaryChannel() override;
  MemoryOBinaryChannel(const MemoryOBinaryChannel&) = delete;
  MemoryOBinaryChannel& operator=(const MemoryOBinaryChannel&) = delete;

  /// Appends the bytes. Throws IOException after Close, and when the total
  /// would not fit an unsigned int.
  void Write(const unsigned char* data, unsigned int count) override;
  /// Grows the buffer at once to hold `count` more bytes, when it can.
  void ReserveMore(unsigned int count) noexcept override;
  /// Room for `count` more bytes at the end of the buffer, which counts
  /// them as written. Throws as Write does.
  unsigned char* WriteInPlace(unsigned int count) override;
  /// Ends the channel; the bytes stay readable through GetBuffer.
  void Close() override;

  /// The bytes written so far; null while none were written.
  const unsigned char* GetBuffer() const noexcept { return buffer_.get(); }
  /// The number of bytes written so far.
  unsigned int GetSize() const noexcept { return size_; }
  /// True after Close.
  bool IsClosed() const noexcept { return closed_; }

  /// Hands the buffer (allocated with new[]) to the caller, who frees it
  /// with delete[] or passes it to a MemoryIBinaryChannel that owns it. The
  /// channel is left empty. May return null when nothing was written.
  unsigned char* ReleaseBuffer() noexcept;

 private:
  // The capacity to grow to for `count` more bytes, which do not fit now;
  // throws IOException when the total would not fit an unsigned int.
  STRATA_LOCAL unsigned long long CapacityFor(unsigned int count) const;
  // Moves the bytes to a buffer of `capacity` bytes and then appends `count`
  // bytes from `data`, which may point into the old buffer.
  STRATA_LOCAL void Regrow(unsigned long long capacity, const unsigned char* data,
                           unsigned int count);

  std::unique_ptr<unsigned char[]> buffer_;
  unsigned int size_ = 0;
  unsigned int capacity_ = 0;
  bool closed_ = false;
};

}  // namespace Strata
