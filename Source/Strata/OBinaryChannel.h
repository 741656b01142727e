#pragma once

#include "Strata/Export.h"

namespace Strata {

/// A sink of bytes.
///
/// Implementations decide where the bytes go; Flush pushes buffered bytes
/// on, Close ends the channel. Writing to a closed channel throws
/// IOException. Implementations are not thread-safe unless they say so.
class STRATA_EXPORT OBinaryChannel {
 public:
  virtual ~OBinaryChannel();
  /// Writes all `count` bytes or throws IOException.
  virtual void Write(const unsigned char* data, unsigned int count) = 0;
  /// A hint that about `count` more bytes will follow, so that a buffering
  /// channel can make room for them at once. Does nothing by default; never
  /// throws for a hint it cannot honour.
  virtual void ReserveMore(unsigned int count) noexcept;
  /// Writes `count` bytes that the caller puts in place: returns where they
  /// go, in the channel's own storage, or returns null and writes nothing
  /// (always, by default). The caller fills all `count` bytes before it uses
  /// the channel again. Throws as Write does.
  virtual unsigned char* WriteInPlace(unsigned int count);
  /// Pushes buffered bytes on to where the channel sends them; does nothing
  /// by default.
  virtual void Flush();
  /// Ends the channel; the bytes written are then complete. Flushes by
  /// default.
  virtual void Close();

 protected:
  /// A channel of no particular kind.
  OBinaryChannel() = default;
  /// Copies nothing: the interface holds no state.
  ///@{
  OBinaryChannel(const OBinaryChannel&) = default;
  OBinaryChannel& operator=(const OBinaryChannel&) = default;
  ///@}
};

}  // namespace Strata
