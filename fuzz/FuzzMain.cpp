// The libFuzzer program. The environment chooses what it does:
//   LEXIVO_FUZZ_TARGET=<name>       fuzzes that target (see fuzz/Targets.cpp)
//   LEXIVO_FUZZ_WRITE_SEEDS=<folder> with it: writes the target's seeds there and ends
//   LEXIVO_FUZZ_LIST=1               writes the targets' names and their -max_len, and ends
#include "fuzz/FuzzProgram.h"
#include "fuzz/FuzzTarget.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace {

const FuzzTarget* target = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    if (std::getenv("LEXIVO_FUZZ_LIST")) {
        for (const FuzzTarget& each : FuzzTargets())
            std::printf("%s %zu\n", each.name, each.maxLength);
        std::exit(0);
    }
    const char* name = std::getenv("LEXIVO_FUZZ_TARGET");
    target = name ? FindFuzzTarget(name) : nullptr;
    if (!target) {
        std::fprintf(stderr, "Set LEXIVO_FUZZ_TARGET to one of:");
        for (const FuzzTarget& each : FuzzTargets())
            std::fprintf(stderr, " %s", each.name);
        std::fprintf(stderr, "\n");
        std::exit(2);
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(*argc, *argv); // kept for the whole run
    if (const char* folder = std::getenv("LEXIVO_FUZZ_WRITE_SEEDS")) {
        int n = 0;
        for (const std::string& seed : FuzzSeeds(*target))
            std::ofstream(std::string(folder) + "/seed-" + std::to_string(++n), std::ios::binary)
                << seed;
        std::exit(0);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return target->run(data, size);
}
