#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A fuzz target feeds arbitrary bytes to one of the program's readers, through the very code the
// program runs. It returns 0 (libFuzzer's convention); a fault shows as a crash, a sanitizer
// report, an exception that escapes, or a hang.
using FuzzFunction = int (*)(const std::uint8_t* data, std::size_t size);

struct FuzzTarget {
    const char* name;
    FuzzFunction run;
    // Seeds: files of the shipped Data folder by name, and files the program writes itself.
    std::vector<std::string> dataSeeds;
    std::vector<std::string> (*madeSeeds)() = nullptr;
    // The longest input worth trying (libFuzzer's -max_len).
    std::size_t maxLength = 65536;
    // How many mutated inputs the test build tries: a few seconds' worth with the sanitizers.
    int testInputs = 3000;
};

// Every target, in the order `./dev fuzz all` runs them.
const std::vector<FuzzTarget>& FuzzTargets();
const FuzzTarget* FindFuzzTarget(std::string_view name);

// The target's seeds: its Data files, its made files, then the inputs kept in
// fuzz/regressions/<name>/ (each once a finding).
std::vector<std::string> FuzzSeeds(const FuzzTarget& target);
