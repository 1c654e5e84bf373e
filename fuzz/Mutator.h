#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A small deterministic mutator for the test runs of the fuzz targets: from a fixed seed it makes
// the same inputs every run. Besides bit flips, insertions and deletions it knows what the
// program's files are made of: quotes, commas, line ends, long lines and numbers out of range.
class Mutator {
public:
    Mutator(std::vector<std::string> seeds, std::uint64_t seed, std::size_t maxLength);

    // The next input: a seed or an earlier input with one to four changes, at most maxLength
    // bytes long.
    std::string Next();

private:
    std::uint64_t draw();
    std::size_t below(std::size_t n) { return n == 0 ? 0 : std::size_t(draw() % n); }
    void change(std::string& input);

    std::vector<std::string> pool_;
    std::uint64_t state_;
    std::size_t maxLength_;
};
