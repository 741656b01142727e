// OBinaryChannel is a sink of bytes. Implementations decide where the bytes
// go; Flush pushes buffered bytes on, Close ends the channel. Writing to a
// closed channel throws IOException.
#pragma once

#include "Strata/Export.h"

namespace Strata {

class STRATA_EXPORT OBinaryChannel {
 public:
  virtual ~OBinaryChannel();
  // Writes all `count` bytes or throws IOException.
  virtual void Write(const unsigned char* data, unsigned int count) = 0;
  virtual void Flush();
  virtual void Close();

 protected:
  OBinaryChannel() = default;
  OBinaryChannel(const OBinaryChannel&) = default;
  OBinaryChannel& operator=(const OBinaryChannel&) = default;
};

}  // namespace Strata
