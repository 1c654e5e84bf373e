#include "greek/GreekStuff.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <vector>

// The error table is kept three rows at a time. Its values are capped at 100: only values below
// 5 are ever taken, and a capped minimum of sums is the cap of the true one, so the result is the
// same as with unbounded values for texts of any length. A scaled result that a long tail would
// push past the 16-bit range is held at its largest value.

namespace {

using Cell = std::uint8_t;
constexpr int Cap = 100;
constexpr int NoOccurrence = 5;
constexpr std::size_t NoTail = 15;
constexpr std::size_t StackCells = 3 * 64;

// The least error count of pattern ending at each character of text: d(P, j) for j = 0..T.
const Cell* LastRow(const std::string& pattern, const std::string& text, bool countSwaps,
                    Cell* cells) {
    const std::size_t width = text.size() + 1;
    Cell* older = cells;           // row i-2
    Cell* prev = cells + width;    // row i-1
    Cell* cur = cells + 2 * width; // row i
    std::fill(prev, prev + width, Cell{0});
    const int swapCost = countSwaps ? 1 : 0;
    for (std::size_t i = 1; i <= pattern.size(); ++i) {
        const char pi = pattern[i - 1];
        cur[0] = static_cast<Cell>(std::min<std::size_t>(i, Cap));
        for (std::size_t j = 1; j < width; ++j) {
            const char tj = text[j - 1];
            int best = prev[j - 1] + (pi != tj);
            best = std::min(best, prev[j] + 1);
            best = std::min(best, cur[j - 1] + 1);
            if (i > 1 && j > 1)
                best = std::min(best, older[j - 2] + (pattern[i - 2] != tj) + (pi != text[j - 2]) +
                                          swapCost);
            cur[j] = static_cast<Cell>(std::min(best, Cap));
        }
        Cell* spare = older;
        older = prev;
        prev = cur;
        cur = spare;
    }
    return prev;
}

} // namespace

std::int16_t CountTypos(const std::string& pattern, const std::string& text, bool countSwaps,
                        bool scaleByLength) {
    const std::size_t p = pattern.size();
    const std::size_t t = text.size();
    int count = NoOccurrence;
    std::size_t tail = NoTail;
    if (p == 0 && t == 0) {
        count = 0;
        tail = 0;
    } else if (t >= 2) {
        std::array<Cell, StackCells> onStack;
        std::vector<Cell> onHeap;
        Cell* cells = onStack.data();
        if (3 * (t + 1) > StackCells) {
            onHeap.resize(3 * (t + 1));
            cells = onHeap.data();
        }
        const Cell* last = LastRow(pattern, text, countSwaps, cells);
        for (std::size_t j = 1; j <= t && count > 0; ++j) {
            if (last[j] < count) {
                count = last[j];
                tail = t - j;
            }
        }
    }
    if (!scaleByLength)
        return static_cast<std::int16_t>(count);
    long long scaled = count;
    if (p >= 5 && t >= 5)
        --scaled;
    if (p >= 7 && t >= 7)
        --scaled;
    if (p < 4)
        scaled += static_cast<long long>(std::min<std::size_t>(tail, 1u << 20));
    return static_cast<std::int16_t>(
        std::min<long long>(scaled, std::numeric_limits<std::int16_t>::max()));
}
