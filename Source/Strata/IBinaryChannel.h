#pragma once

#include "Strata/Export.h"

namespace Strata {

/// A source of bytes.
///
/// Read returns some of the bytes asked for (at least one while any remain)
/// and 0 only at the end. Implementations are not thread-safe unless they
/// say so.
class STRATA_EXPORT IBinaryChannel {
 public:
  virtual ~IBinaryChannel();
  /// Reads up to `count` bytes into `data`; returns the number read, 0 only
  /// at the end (or when `count` is 0). Failures throw IOException.
  virtual unsigned int Read(unsigned char* data, unsigned int count) = 0;
  /// Bytes that can be read without blocking; 0 when unknown or at the end
  /// (always 0 by default).
  virtual unsigned int GetAvailable() const;
  /// Reads `count` bytes without copying them, when the channel holds them
  /// in memory already: returns where they lie and moves past them, or
  /// returns null and moves nothing (always, by default). The bytes stay
  /// valid until the channel is used again or its source changes.
  virtual const unsigned char* ReadInPlace(unsigned int count);
  /// Ends the channel and releases what it holds; does nothing by default.
  virtual void Close();

 protected:
  /// A channel of no particular kind.
  IBinaryChannel() = default;
  /// Copies nothing: the interface holds no state.
  ///@{
  IBinaryChannel(const IBinaryChannel&) = default;
  IBinaryChannel& operator=(const IBinaryChannel&) = default;
  ///@}
};

}  // namespace Strata
