#include "Strata/OBinaryChannel.h"

namespace Strata {

OBinaryChannel::~OBinaryChannel() = default;
void OBinaryChannel::ReserveMore(unsigned int) noexcept {}
unsigned char* OBinaryChannel::WriteInPlace(unsigned int) { return nullptr; }
void OBinaryChannel::Flush() {}
void OBinaryChannel::Close() { Flush(); }

}  // namespace Strata
