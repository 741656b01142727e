#include <gtest/gtest.h>

#include "Quorum/Common/Integer32.h"

TEST(Integer32Smoke, Parses) {
  int v = 0;
  EXPECT_TRUE(Quorum::Common::Integer32::Parse("-12", v));
  EXPECT_EQ(v, -12);
}
