#include "support/StopAtFirstFailure.h"

#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

// Appended after GoogleTest's printer, so that the failure is printed before it unwinds.
class ThrowOnFatalFailure : public testing::EmptyTestEventListener {
    void OnTestPartResult(const testing::TestPartResult& result) override {
        if (result.type() == testing::TestPartResult::kFatalFailure)
            throw testing::AssertionException(result);
    }
};

} // namespace

void StopAtFirstFatalFailure() {
    testing::UnitTest::GetInstance()->listeners().Append(new ThrowOnFatalFailure);
}

void StopTestOnFailure(const char* where, const std::function<void()>& step) {
    try {
        step();
    } catch (const testing::AssertionException&) {
        std::fprintf(stderr, "The test stopped at the failure above, %s.\n", where);
        std::fflush(stdout);
        std::fflush(stderr);
        std::_Exit(1);
    }
}
