// The umbrella headers compile together, and the version the headers name is
// the one the library reports.
#include <gtest/gtest.h>

#include <cstring>

#include "Conduit.h"
#include "Quorum/Common.h"
#include "Quorum/Commons.h"
#include "Quorum/Server/Mail.h"
#include "Strata.h"

TEST(Version, LibraryReportsTheVersionItsHeadersName) {
  EXPECT_STREQ(Quorum::Server::Mail::GetLibraryVersion(), QUORUM_MAILBOX_MANAGER_COMMON_VERSION);
  EXPECT_GE(QUORUM_MAILBOX_MANAGER_COMMON_VERSION_MAJOR, 1);
}
