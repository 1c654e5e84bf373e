#include "fuzz/Mutator.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<char, 14> specialBytes{'"', ',', '\r', '\n', ' ', '\t', '\0',
                                            '*', '|', '(',  ')',  '/', '-',  '\xff'};

constexpr std::array<const char*, 14> specialTexts{
    "32767", "32768",  "-32768", "-32769", "99999999999999999999999",
    "1e308", "-1e400", "&H7FFF", "0.5",    "2.5",
    "\"\"",  "\r\n",   " and ",  ",,,,"};

constexpr std::size_t poolLimit = 64;

} // namespace

Mutator::Mutator(std::vector<std::string> seeds, std::uint64_t seed, std::size_t maxLength)
    : pool_(std::move(seeds)), state_(seed | 1), maxLength_(maxLength) {
    if (pool_.empty())
        pool_.emplace_back();
}

std::uint64_t Mutator::draw() { // xorshift64*
    state_ ^= state_ >> 12;
    state_ ^= state_ << 25;
    state_ ^= state_ >> 27;
    return state_ * 0x2545F4914F6CDD1DULL;
}

std::string Mutator::Next() {
    std::string input = pool_[below(pool_.size())];
    const std::size_t changes = 1 + below(4);
    for (std::size_t i = 0; i < changes; ++i)
        change(input);
    if (input.size() > maxLength_)
        input.resize(maxLength_);
    // Later inputs build on earlier ones, so that changes pile up.
    if (pool_.size() < poolLimit)
        pool_.push_back(input);
    else
        pool_[below(poolLimit)] = input;
    return input;
}

void Mutator::change(std::string& input) {
    const std::size_t at = below(input.size() + 1);
    switch (below(9)) {
    case 0: // flip a bit
        if (!input.empty())
            input[below(input.size())] ^= char(1u << below(8));
        break;
    case 1: // any byte
        if (!input.empty())
            input[below(input.size())] = char(draw());
        break;
    case 2: // a byte the files give meaning to
        input.insert(at, 1, specialBytes[below(specialBytes.size())]);
        break;
    case 3: // a number out of range or a text the routines split at
        input.insert(at, specialTexts[below(specialTexts.size())]);
        break;
    case 4: // delete a stretch
        input.erase(at, below(std::min<std::size_t>(input.size() - at, 64) + 1));
        break;
    case 5: { // repeat a stretch
        const std::string part = input.substr(at, below(32) + 1);
        for (std::size_t i = below(8); i > 0; --i)
            input.insert(at, part);
        break;
    }
    case 6: // a long line
        input.insert(at, maxLength_ / 2 + below(maxLength_ / 2), char('a' + below(26)));
        break;
    case 7: // cut the end off
        input.resize(at);
        break;
    default: { // a piece of another input
        const std::string& other = pool_[below(pool_.size())];
        const std::size_t from = below(other.size() + 1);
        input.insert(at, other, from, below(other.size() - from + 1));
        break;
    }
    }
}
