// Entry point of the tests without windows.
#include "support/StopAtFirstFailure.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    StopAtFirstFatalFailure();
    FailWhereTheProgramEnds();
    return RUN_ALL_TESTS();
}
