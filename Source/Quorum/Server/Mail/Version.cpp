#include "Quorum/Server/Mail/Version.h"

namespace Quorum::Server::Mail {

const char* GetLibraryVersion() noexcept { return QUORUM_MAILBOX_MANAGER_COMMON_VERSION; }

}  // namespace Quorum::Server::Mail
