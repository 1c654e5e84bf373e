#include "platform/Random.h"

#include <chrono>
#include <cstdint>
#include <random>

namespace {

struct Source {
    std::mt19937_64 engine{20240501u};
    std::vector<double> script;
    std::size_t next = 0;
};

Source& source() {
    static Source theSource;
    return theSource;
}

} // namespace

double Rnd() {
    Source& s = source();
    if (!s.script.empty()) {
        const double value = s.script[s.next];
        s.next = (s.next + 1) % s.script.size();
        return value;
    }
    // 53 random bits scaled into [0, 1): never 1, unlike a distribution that rounds.
    return double(s.engine() >> 11) * 0x1.0p-53;
}

void Randomize() {
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    source().engine.seed(std::uint64_t(ticks));
}

void SetRandomScript(std::vector<double> script) {
    Source& s = source();
    s.script = std::move(script);
    s.next = 0;
}
