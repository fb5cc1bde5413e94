#include "Common/Color.h"
#include <gtest/gtest.h>
TEST(X, Y) { EXPECT_EQ(1,1); }
