#include "Strata/Internal/StreamIBinaryChannel.h"

#include <istream>

#include "Strata/IOException.h"
#include "Strata/Throw.h"

namespace Strata::internal {

unsigned int StreamIBinaryChannel::Read(unsigned char* data, unsigned int count) {
  if (count == 0 || !in_.good()) return 0;
  in_.read(reinterpret_cast<char*>(data), static_cast<std::streamsize>(count));
  if (in_.bad()) STRATA_THROW(IOException, "Failed to read from the stream.");
  return static_cast<unsigned int>(in_.gcount());
}

}  // namespace Strata::internal
