// Every fuzz target over its seeds and a few thousand inputs of the mutator, the same each run.
// In the sanitizer build this is where a reader's memory fault shows.
#include "fuzz/FuzzProgram.h"
#include "fuzz/FuzzTarget.h"
#include "fuzz/Mutator.h"

#include <chrono>
#include <gtest/gtest.h>

namespace {

void feed(const FuzzTarget& target, const std::string& input) {
    target.run(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
}

class FuzzTargetTest : public testing::TestWithParam<std::string> {};

TEST_P(FuzzTargetTest, TakesItsSeedsAndTheirMutations) {
    const FuzzTarget* target = FindFuzzTarget(GetParam());
    ASSERT_NE(target, nullptr);
    const std::vector<std::string> seeds = FuzzSeeds(*target);
    ASSERT_FALSE(seeds.empty());
    for (const std::string& seed : seeds) {
        EXPECT_FALSE(seed.empty());
        feed(*target, seed);
    }
    const int runs = target->testInputs;
    Mutator mutator(seeds, 20261207, target->maxLength);
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < runs; ++i)
        feed(*target, mutator.Next());
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("%s: %d inputs in %.2f s\n", target->name, runs, took.count());
}

std::vector<std::string> targetNames() {
    std::vector<std::string> names;
    for (const FuzzTarget& target : FuzzTargets())
        names.emplace_back(target.name);
    return names;
}

INSTANTIATE_TEST_SUITE_P(Readers, FuzzTargetTest, testing::ValuesIn(targetNames()),
                         [](const auto& info) { return info.param; });

// The targets of the Data files go on after the program ends (an unreadable file ends it), and a
// file that reads well leaves the shipped files in place for the next input: the paradigm drill
// targets read the drill's other file as shipped.
TEST(FuzzProgram, DataFileTargetsOutliveTheEndOfTheProgram) {
    for (const char* name : {"verblist", "nounlist", "vocablist", "verbforms", "verbindex",
                             "nounforms", "nounindex"}) {
        const FuzzTarget* target = FindFuzzTarget(name);
        const int before = ProgramEndings();
        feed(*target, "");
        feed(*target, "3\r\n");
        EXPECT_EQ(ProgramEndings(), before + 2) << name;
        feed(*target, FuzzSeeds(*target).front());
        EXPECT_EQ(ProgramEndings(), before + 2) << name;
    }
}

TEST(Mutator, GivesTheSameInputsEveryRunWithinTheirLength) {
    Mutator first({"12\r\n\"abc\"\r\n"}, 7, 300), second({"12\r\n\"abc\"\r\n"}, 7, 300);
    bool changed = false;
    for (int i = 0; i < 500; ++i) {
        const std::string input = first.Next();
        EXPECT_EQ(input, second.Next());
        EXPECT_LE(input.size(), 300u);
        changed = changed || input != "12\r\n\"abc\"\r\n";
    }
    EXPECT_TRUE(changed);
}

} // namespace
