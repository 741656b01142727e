// IBinaryChannel is a source of bytes. Read returns some of the bytes asked
// for (at least one while any remain) and 0 only at the end.
#pragma once

#include "Strata/Export.h"

namespace Strata {

class STRATA_EXPORT IBinaryChannel {
 public:
  virtual ~IBinaryChannel();
  // Reads up to `count` bytes into `data`; returns the number read, 0 only at
  // the end (or when `count` is 0). Failures throw IOException.
  virtual unsigned int Read(unsigned char* data, unsigned int count) = 0;
  // Bytes that can be read without blocking; 0 when unknown or at the end.
  virtual unsigned int GetAvailable() const;
  /// Reads `count` bytes without copying them, when the channel holds them
  /// in memory already: returns where they lie and moves past them, or
  /// returns null and moves nothing (always, by default). The bytes stay
  /// valid until the channel is used again or its source changes.
  virtual const unsigned char* ReadInPlace(unsigned int count);
  virtual void Close();

 protected:
  IBinaryChannel() = default;
  IBinaryChannel(const IBinaryChannel&) = default;
  IBinaryChannel& operator=(const IBinaryChannel&) = default;
};

}  // namespace Strata
