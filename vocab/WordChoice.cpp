#include "vocab/WordChoice.h"

#include "platform/Random.h"
#include "vocab/VocabRules.h"

#include <algorithm>
#include <cmath>

namespace {

// The whole part of (n x a random value + 1): 1..n. A value just below 1 can round n x value up
// to n itself, which would be n + 1.
int roll(int n) {
    return std::min(int(std::floor(n * Rnd() + 1)), n);
}

} // namespace

bool PickLanguage(int percentActive) {
    Randomize();
    return roll(100) <= percentActive;
}

int ChooseNextWord(const WordTable& table, int review, int reinforcement) {
    Randomize();
    const std::vector<int>& words = table.DrillWords;
    const int n = int(words.size());
    if (n == 0)
        return NoLink;
    const int candidates = n >= ManyWords ? ManyCandidates : FewCandidates;
    const bool reviewChoice = roll(100) <= review;
    const double threshold = double(PracticeFactor) * reinforcement;

    auto draw = [&] { return words[std::size_t(roll(n) - 1)]; };
    auto score = [&](int word) { return table.Records[std::size_t(word)].Score; };

    return LightestOfDraws(
        candidates,
        [&] {
            int candidate = draw();
            if (!reviewChoice)
                for (int tries = 1; tries < PracticeDraws && score(candidate) > threshold; ++tries)
                    candidate = draw();
            return candidate;
        },
        score);
}
