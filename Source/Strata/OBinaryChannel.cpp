#include "Strata/OBinaryChannel.h"

namespace Strata {

OBinaryChannel::~OBinaryChannel() = default;
void OBinaryChannel::ReserveMore(unsigned int) noexcept {}
void OBinaryChannel::Flush() {}
void OBinaryChannel::Close() { Flush(); }

}  // namespace Strata
