#include <gtest/gtest.h>

#include "Quorum/Server/Mail/MailId.h"
#include "Strata/IllegalArgumentException.h"

TEST(MailIdSmoke, RecordsRelativeSourceFile) {
  try {
    Quorum::Server::Mail::MailId id{Strata::UniString()};
    FAIL();
  } catch (const Strata::IllegalArgumentException& e) {
    EXPECT_STREQ(e.GetSourceFile(), "Source/Quorum/Server/Mail/MailId.cpp");
  }
}
