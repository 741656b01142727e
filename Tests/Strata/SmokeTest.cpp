#include <gtest/gtest.h>

#include "Strata/UniString.h"

TEST(UniStringSmoke, Builds) { EXPECT_EQ(Strata::UniString("a").GetLength(), 1u); }
