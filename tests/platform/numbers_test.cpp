#include "platform/Numbers.h"

#include <gtest/gtest.h>

TEST(Numbers, Placeholder) { EXPECT_EQ(Str(1.0), "1"); }
