#include "Quorum/Common/IO/FileBackedChannel.h"

namespace Quorum::Common::IO {

FileBackedChannel::~FileBackedChannel() = default;

}  // namespace Quorum::Common::IO
