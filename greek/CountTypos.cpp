#include "greek/GreekStuff.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <string_view>
#include <utility>
#include <vector>

// The error table is kept three rows at a time. Its values are capped at 100: only values below
// 5 are ever taken, and a capped minimum of sums is the cap of the true one, so the result is the
// same as with unbounded values for texts of any length. A scaled result that a long tail would
// push past the 16-bit range is held at its largest value.
//
// No row's least value is below the lesser of the two rows above it, so once two rows in turn
// hold nothing below the count that still matters, no later row will: the counting stops there.

namespace {

using Cell = std::uint8_t;
constexpr int Cap = 100;
constexpr int NoOccurrence = 5;
constexpr std::size_t NoTail = 15;
constexpr std::size_t StackCells = 3 * 64;
// Texts from this length on are searched by bits, and by pieces first when the pattern is long.
constexpr std::size_t LongText = 64;

// The least error count of pattern ending at each character of text: d(P, j) for j = 0..T; null
// when no count below limit is left.
const Cell* LastRow(const std::string& pattern, std::string_view text, bool countSwaps, int limit,
                    Cell* cells) {
    const std::size_t width = text.size() + 1;
    const auto* t = reinterpret_cast<const unsigned char*>(text.data());
    Cell* older = cells;           // row i-2
    Cell* prev = cells + width;    // row i-1
    Cell* cur = cells + 2 * width; // row i
    std::fill(cells, cells + 2 * width, Cell{0});
    const int swapCost = countSwaps ? 1 : 0;
    int prevLeast = 0;
    for (std::size_t i = 1; i <= pattern.size(); ++i) {
        const auto pi = static_cast<unsigned char>(pattern[i - 1]);
        const auto before = i > 1 ? static_cast<unsigned char>(pattern[i - 2]) : 0;
        const int crossed = i > 1 ? swapCost : Cap; // a crossed pair needs two characters
        int left = static_cast<int>(std::min<std::size_t>(i, Cap));
        cur[0] = static_cast<Cell>(left);
        int least = left;
        int diagonal = prev[0];
        int crossedFrom = Cap; // older[j - 2], none before the second character of text
        unsigned char tBefore = 0;
        for (std::size_t j = 1; j < width; ++j) {
            const unsigned char tj = t[j - 1];
            const int up = prev[j];
            int best = std::min({diagonal + (pi != tj), up + 1, left + 1,
                                 crossedFrom + (before != tj) + (pi != tBefore) + crossed});
            best = std::min(best, Cap);
            cur[j] = static_cast<Cell>(best);
            least = std::min(least, best);
            left = best;
            diagonal = up;
            crossedFrom = older[j - 1];
            tBefore = tj;
        }
        if (i < pattern.size() && least >= limit && prevLeast >= limit)
            return nullptr;
        prevLeast = least;
        Cell* spare = older;
        older = prev;
        prev = cur;
        cur = spare;
    }
    return prev;
}

struct Occurrence {
    int count = NoOccurrence;
    std::size_t tail = NoTail;
};

// The least count below limit of pattern in text, with the tail after its earliest end (text of any
// length, a stretch of a longer one too).
Occurrence Search(const std::string& pattern, std::string_view text, bool countSwaps, int limit) {
    const std::size_t t = text.size();
    Occurrence best;
    std::array<Cell, StackCells> onStack;
    std::vector<Cell> onHeap;
    Cell* cells = onStack.data();
    if (3 * (t + 1) > StackCells) {
        onHeap.resize(3 * (t + 1));
        cells = onHeap.data();
    }
    const Cell* last = LastRow(pattern, text, countSwaps, limit, cells);
    for (std::size_t j = 1; last && j <= t && best.count > 0; ++j) {
        if (last[j] < best.count && last[j] < limit)
            best = {last[j], t - j};
    }
    return best;
}

// The same search with swaps counted, one column of the table at a time as bits: bit i of a
// block's vectors tells how row 64 x block + i + 1 differs from its neighbours (Myers' vectors in
// blocks of 64 rows, with Hyyro's term for a crossed pair). Rows hold counts without the cap,
// which makes no difference below it.
using Bits = std::uint64_t;

// A pattern of 1 to 64 characters: one block.
Occurrence SearchWord(const std::string& pattern, std::string_view text, int limit) {
    const std::size_t m = pattern.size();
    std::array<Bits, 256> matches{};
    for (std::size_t i = 0; i < m; ++i)
        matches[static_cast<unsigned char>(pattern[i])] |= Bits{1} << i;
    const Bits last = Bits{1} << (m - 1);
    Bits up = ~Bits{0}, down = 0, same = ~Bits{0}, before = 0;
    int score = static_cast<int>(m);
    Occurrence best;
    for (std::size_t j = 0; j < text.size() && best.count > 0; ++j) {
        const Bits eq = matches[static_cast<unsigned char>(text[j])];
        const Bits crossed = ((~same & eq) << 1) & before;
        same = crossed | (((eq & up) + up) ^ up) | eq | down;
        const Bits rightUp = down | ~(same | up);
        const Bits rightDown = up & same;
        score += (rightUp & last) != 0;
        score -= (rightDown & last) != 0;
        const Bits shifted = rightUp << 1;
        down = shifted & same;
        up = (rightDown << 1) | ~(shifted | same);
        before = eq;
        if (score < best.count && score < limit)
            best = {score, text.size() - j - 1};
    }
    return best;
}

// Where the first exact occurrence of pattern ends in text (0 for none), in time proportional to
// their lengths: a mismatch moves on by the pattern's longest start that is also an end of what
// matched (Knuth, Morris and Pratt).
std::size_t FirstExactEnd(const std::string& pattern, std::string_view text) {
    std::vector<std::size_t> border(pattern.size() + 1);
    for (std::size_t i = 1, k = 0; i < pattern.size(); ++i) {
        while (k > 0 && pattern[i] != pattern[k])
            k = border[k];
        border[i + 1] = pattern[i] == pattern[k] ? ++k : 0;
    }
    for (std::size_t j = 0, k = 0; j < text.size(); ++j) {
        while (k > 0 && text[j] != pattern[k])
            k = border[k];
        if (text[j] == pattern[k] && ++k == pattern.size())
            return j + 1;
    }
    return 0;
}

// A longer pattern: the blocks pass the change of their bottom row down to the next block. Cheaper
// answers come first: an occurrence of the whole pattern holds one of its first 64 characters
// with no more errors, it has at least as many errors as the pattern is longer than the text,
// and the earliest exact occurrence is the best one.
Occurrence SearchBlocks(const std::string& pattern, std::string_view text, int limit) {
    const std::size_t m = pattern.size();
    if (m >= text.size() + std::size_t(limit) ||
        SearchWord(pattern.substr(0, 64), text, limit).count >= limit)
        return {};
    if (const std::size_t end = FirstExactEnd(pattern, text); end > 0)
        return {0, text.size() - end};
    const std::size_t blocks = (m + 63) / 64;
    // The rows of each character of the pattern, block by block; entry 0 is no character.
    std::array<std::uint16_t, 256> entry{};
    std::vector<Bits> matches(blocks);
    for (std::size_t i = 0; i < m; ++i) {
        std::uint16_t& e = entry[static_cast<unsigned char>(pattern[i])];
        if (e == 0) {
            e = static_cast<std::uint16_t>(matches.size() / blocks);
            matches.resize(matches.size() + blocks);
        }
        matches[e * blocks + i / 64] |= Bits{1} << (i % 64);
    }
    std::vector<Bits> up(blocks, ~Bits{0}), down(blocks), same(blocks, ~Bits{0}), before(blocks);
    int score = static_cast<int>(m);
    Occurrence best;
    for (std::size_t j = 0; j < text.size() && best.count > 0; ++j) {
        const Bits* eqs = &matches[entry[static_cast<unsigned char>(text[j])] * blocks];
        int carry = 0; // how the block's top row differs from the one on its left
        Bits crossedCarry = 0;
        for (std::size_t b = 0; b < blocks; ++b) {
            const Bits eq = eqs[b];
            const Bits crossing = ~same[b] & eq;
            const Bits crossed = ((crossing << 1) | crossedCarry) & before[b];
            crossedCarry = crossing >> 63;
            const Bits eqTop = carry < 0 ? eq | 1 : eq;
            same[b] = crossed | (((eqTop & up[b]) + up[b]) ^ up[b]) | eqTop | down[b];
            const Bits rightUp = down[b] | ~(same[b] | up[b]);
            const Bits rightDown = up[b] & same[b];
            const Bits bottom = Bits{1} << (b + 1 == blocks ? (m - 1) % 64 : 63);
            const Bits shiftedUp = (rightUp << 1) | (carry > 0 ? 1 : 0);
            const Bits shiftedDown = (rightDown << 1) | (carry < 0 ? 1 : 0);
            carry = (rightUp & bottom) ? 1 : (rightDown & bottom) ? -1 : 0;
            down[b] = shiftedUp & same[b];
            up[b] = shiftedDown | ~(shiftedUp | same[b]);
            before[b] = eq;
        }
        score += carry;
        if (score < best.count && score < limit)
            best = {score, text.size() - j - 1};
    }
    return best;
}

// The quickest search for the text.
Occurrence Scan(const std::string& pattern, std::string_view text, bool countSwaps, int limit) {
    if (!countSwaps || pattern.empty() || text.size() < LongText)
        return Search(pattern, text, countSwaps, limit);
    return pattern.size() <= 64 ? SearchWord(pattern, text, limit)
                                : SearchBlocks(pattern, text, limit);
}

// A long text is searched only around the places where an occurrence can lie. With swaps counted
// every error costs at least 1 and spoils at most two neighbouring characters of the pattern, so
// an occurrence with fewer than limit errors holds one of 2 x (limit - 1) + 1 pieces of the
// pattern's start exactly; it lies within limit - 1 characters of where that piece puts it.
// Stretches of text that no piece reaches are skipped; the result is the same.
std::vector<std::pair<std::size_t, std::size_t>> Stretches(const std::string& pattern,
                                                           std::string_view text, int limit) {
    const std::size_t pieces = 2 * std::size_t(limit - 1) + 1;
    const std::size_t q = std::min<std::size_t>(4, pattern.size() / pieces);
    const std::size_t slack = std::size_t(limit - 1);
    const std::uint32_t mask = q == 4 ? 0xFFFFFFFFu : (1u << (8 * q)) - 1;
    auto bytesAt = [](std::string_view s, std::size_t at, std::size_t n) {
        std::uint32_t v = 0;
        for (std::size_t k = 0; k < n; ++k)
            v = (v << 8) | static_cast<unsigned char>(s[at + k]);
        return v;
    };
    std::array<std::uint32_t, 2 * NoOccurrence> keys{};
    for (std::size_t r = 0; r < pieces; ++r)
        keys[r] = bytesAt(pattern, r * q, q);
    // How many stretches begin and end at each place of text, then their union. Pieces found all
    // over the text (a text of a few letters again and again) leave nothing to skip.
    std::vector<int> opened(text.size() + 1);
    std::size_t found = 0;
    std::uint32_t window = 0;
    for (std::size_t j = 0; j < text.size(); ++j) {
        window = ((window << 8) | static_cast<unsigned char>(text[j])) & mask;
        if (j + 1 < q)
            continue;
        const std::size_t at = j + 1 - q;
        for (std::size_t r = 0; r < pieces; ++r) {
            if (window != keys[r])
                continue;
            if (++found > text.size() / 8)
                return {{0, text.size()}};
            const std::size_t lead = r * q + slack;
            ++opened[at > lead ? at - lead : 0];
            --opened[std::min(text.size(), at + pattern.size() + slack - r * q)];
        }
    }
    std::vector<std::pair<std::size_t, std::size_t>> merged;
    int open = 0;
    for (std::size_t k = 0; k <= text.size(); ++k) {
        const int before = open;
        open += opened[k];
        if (before == 0 && open > 0)
            merged.emplace_back(k, k);
        else if (before > 0 && open == 0)
            merged.back().second = k;
    }
    return merged;
}

} // namespace

std::int16_t CountTypos(const std::string& pattern, const std::string& text, bool countSwaps,
                        bool scaleByLength) {
    return CountTyposBelow(pattern, text, countSwaps, scaleByLength, NoOccurrence);
}

std::int16_t CountTyposBelow(const std::string& pattern, const std::string& text, bool countSwaps,
                             bool scaleByLength, int limit) {
    limit = std::clamp(limit, 1, NoOccurrence);
    const std::size_t p = pattern.size();
    const std::size_t t = text.size();
    Occurrence best;
    if (p == 0 && t == 0) {
        best = {0, 0};
    } else if (t < 2) {
        // A text of one character is never searched.
    } else if (countSwaps && t >= LongText && p >= 3 * (2 * std::size_t(limit - 1) + 1)) {
        for (const auto& [from, to] : Stretches(pattern, text, limit)) {
            const Occurrence here =
                Scan(pattern, std::string_view(text).substr(from, to - from), true, limit);
            if (here.count < best.count)
                best = {here.count, here.tail + (t - to)};
        }
    } else {
        best = Scan(pattern, text, countSwaps, limit);
    }
    const int count = best.count;
    const std::size_t tail = best.tail;
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
