#include "Strata/IBinaryChannel.h"

namespace Strata {

IBinaryChannel::~IBinaryChannel() = default;
unsigned int IBinaryChannel::GetAvailable() const { return 0; }
const unsigned char* IBinaryChannel::ReadInPlace(unsigned int /*count*/) { return nullptr; }
void IBinaryChannel::Close() {}

}  // namespace Strata
