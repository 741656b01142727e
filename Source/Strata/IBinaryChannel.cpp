#include "Strata/IBinaryChannel.h"

namespace Strata {

IBinaryChannel::~IBinaryChannel() = default;
unsigned int IBinaryChannel::GetAvailable() const { return 0; }
void IBinaryChannel::Close() {}

}  // namespace Strata
