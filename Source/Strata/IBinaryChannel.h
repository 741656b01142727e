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
  virtual void Close();

 protected:
  IBinaryChannel() = default;
  IBinaryChannel(const IBinaryChannel&) = default;
  IBinaryChannel& operator=(const IBinaryChannel&) = default;
};

}  // namespace Strata
