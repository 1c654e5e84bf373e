#include "vocab/Questions.h"

#include "greek/GreekStuff.h"
#include "platform/Random.h"

#include <algorithm>
#include <cmath>

std::string TransliterateGreek(const std::string& myInput) {
    return BetaToDisplayFont(myInput);
}

int LatestEntryWithin(const WordTable& table, int word, double chaptEnd) {
    for (int steps = 0; steps < table.MaxSteps(); ++steps) {
        const int next = table.Records[std::size_t(word)].NextEntry;
        if (next == NoLink || std::nearbyint(table.Records[std::size_t(next)].Chapter) > chaptEnd)
            break;
        word = next;
    }
    return word;
}

EnglishQuestion BuildEnglishQuestion(const WordTable& table, int word, double chaptStart,
                                     double chaptEnd) {
    Randomize();
    const int stored = table.Records[std::size_t(word)].StoredMeanings();
    EnglishQuestion q;
    q.CurrentMeaning = std::min(int(std::floor(stored * Rnd())), stored - 1);

    // The ring runs from the first pair of the walk until it reaches the last pair's record.
    std::vector<MeaningPair> walked;
    const MeaningPair last =
        table.WalkPairsWithin({word, q.CurrentMeaning}, chaptStart, chaptEnd,
                              [&walked](MeaningPair pair) { walked.push_back(pair); });
    for (const MeaningPair& pair : walked) {
        if (int(q.AnswerRing.size()) < SlotCount)
            q.AnswerRing.push_back(pair);
        if (pair.word == last.word)
            break;
    }
    // The pair asked must be accepted. When the walk did not reach it, it joins the ring; a ring
    // already as long as the slots gives it its last place.
    const MeaningPair asked{word, q.CurrentMeaning};
    if (std::find(q.AnswerRing.begin(), q.AnswerRing.end(), asked) == q.AnswerRing.end()) {
        if (int(q.AnswerRing.size()) < SlotCount)
            q.AnswerRing.push_back(asked);
        else
            q.AnswerRing.back() = asked;
    }
    return q;
}
