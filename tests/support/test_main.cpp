// Entry point of the tests without windows.
#include "support/StopAtFirstFailure.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    StopAtFirstFatalFailure();
    return RUN_ALL_TESTS();
}
