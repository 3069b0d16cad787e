// Test main: the platform starts headless, so no test needs a display.
#include "platform/Runtime.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    RuntimeInit(argc, argv, /*headless=*/true);
    int result = RUN_ALL_TESTS();
    RuntimeExit();
    return result;
}
