#include "Quorum/Common/IO/NullIBinaryChannel.h"

namespace Quorum::Common::IO {

unsigned int NullIBinaryChannel::Read(unsigned char*, unsigned int) { return 0; }

}  // namespace Quorum::Common::IO
