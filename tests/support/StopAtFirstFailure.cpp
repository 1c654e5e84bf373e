#include "support/StopAtFirstFailure.h"

#include "platform/EndProgram.h"

#include <cstdio>
#include <cstdlib>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {

// Appended after GoogleTest's printer, so that the failure is printed before it unwinds.
class ThrowOnFatalFailure : public testing::EmptyTestEventListener {
    void OnTestPartResult(const testing::TestPartResult& result) override {
        if (result.type() == testing::TestPartResult::kFatalFailure)
            throw testing::AssertionException(result);
    }
};

// In the process that a death test starts, GoogleTest tells no listener of a failure, prints none
// and lets the process end as if none had happened: this reporter, in place of its own, writes
// each failure to stderr, where the death test's report shows it, and stops there, so that the
// death test fails ("threw an exception") at any failure inside it, not only at a fatal one.
class ReportAndThrowInDeathTest : public testing::ScopedFakeTestPartResultReporter {
public:
    ReportAndThrowInDeathTest() : ScopedFakeTestPartResultReporter(INTERCEPT_ALL_THREADS, &kept_) {}

    void ReportTestPartResult(const testing::TestPartResult& result) override {
        if (!result.failed())
            return;
        std::fprintf(stderr, "%s:%d: Failure\n%s\n", result.file_name() ? result.file_name() : "",
                     result.line_number(), result.message());
        std::fflush(stderr);
        throw testing::AssertionException(result);
    }

private:
    testing::TestPartResultArray kept_;
};

} // namespace

void StopAtFirstFatalFailure() {
    if (testing::internal::InDeathTestChild()) {
        static ReportAndThrowInDeathTest reporter;
        return;
    }
    testing::UnitTest::GetInstance()->listeners().Append(new ThrowOnFatalFailure);
}

void FailWhereTheProgramEnds() {
    if (testing::internal::InDeathTestChild())
        return; // a death test expects the ending
    SetEndProgramHook([] {
        ADD_FAILURE() << "The program ended, which only a death test may see.";
        EndTestProcess("The test stopped where the program ended.");
    });
}

void StopTestOnFailure(const std::string& where, const std::function<void()>& step) {
    try {
        step();
    } catch (const testing::AssertionException&) {
        EndTestProcess("The test stopped at the failure above, " + where + ".");
    }
}

void EndTestProcess(const std::string& why) {
    std::fprintf(stderr, "%s\n", why.c_str());
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(1);
}
