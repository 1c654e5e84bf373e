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

    auto chapter = [&](int w) { return table.Records[std::size_t(w)].Chapter; };
    MeaningPair head{word, q.CurrentMeaning};
    for (int steps = 0; steps < table.MaxSteps(); ++steps) {
        const MeaningPair prev = table.PrevPair(head);
        if (prev.word == NoLink || chapter(prev.word) < chaptStart)
            break;
        head = prev;
    }
    MeaningPair last = head;
    for (int steps = 0; steps < table.MaxSteps(); ++steps) {
        const MeaningPair next = table.NextPair(last);
        if (next.word == NoLink || chapter(next.word) > chaptEnd)
            break;
        last = next;
    }
    // The ring runs from the head until it reaches the last pair's record.
    MeaningPair pair = head;
    for (int steps = 0; steps < table.MaxSteps() && pair.word != NoLink; ++steps) {
        if (int(q.AnswerRing.size()) < SlotCount)
            q.AnswerRing.push_back(pair);
        if (pair.word == last.word)
            break;
        pair = table.NextPair(pair);
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
