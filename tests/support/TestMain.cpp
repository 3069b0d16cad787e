// Test main: the platform starts headless, so no test needs a display.
#include "platform/Runtime.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    RuntimeInit(argc, argv, /*headless=*/true);
    // An exception that escapes a handler fails the test that caused it (a replay of Rnd
    // run past its end included), unless the test records it on purpose.
    seams::setUnhandledExceptionHandler(
        [](const std::string& what) { ADD_FAILURE() << "unhandled exception: " << what; });
    int result = RUN_ALL_TESTS();
    RuntimeExit();
    return result;
}
