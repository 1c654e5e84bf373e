#include "platform/RunError.h"

#include <gtest/gtest.h>
#include <utility>

// The program's routines fail with the runtime's own error numbers, the ones their callers and
// the program's documentation name (overflow 6, subscript out of range 9 ...).
TEST(RunError, CarriesTheRuntimesErrorNumber) {
    const std::pair<ErrNo, int> numbers[] = {
        {ErrNo::Overflow, 6},      {ErrNo::SubscriptOutOfRange, 9}, {ErrNo::TypeMismatch, 13},
        {ErrNo::BadFileName, 52},  {ErrNo::FileNotFound, 53},       {ErrNo::DeviceIO, 57},
        {ErrNo::InputPastEnd, 62}, {ErrNo::PermissionDenied, 70},   {ErrNo::PathNotFound, 76},
    };
    for (const auto& [error, number] : numbers)
        EXPECT_EQ(static_cast<int>(RunError(error, "error").number()), number);
}
