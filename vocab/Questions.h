#pragma once

#include "vocab/WordTable.h"

#include <string>
#include <vector>

// Building the question of an item, in either direction.

// An item never shows more answer slots than this.
inline constexpr int SlotCount = 6;

// Beta code in the display-font encoding, as the question and the Greek slots show it.
std::string TransliterateGreek(const std::string& myInput);

// The entry of word's Greek word that a Greek-to-English item asks: the last one along its
// chain whose chapter, rounded, is not beyond chaptEnd (word itself when none is).
int LatestEntryWithin(const WordTable& table, int word, double chaptEnd);

struct EnglishQuestion {
    int CurrentMeaning = 0;
    // The accepted pairs along the shared-meaning chain from its first pair in the range, at most
    // SlotCount of them.
    std::vector<MeaningPair> AnswerRing;
};

// Draws one random number (after reseeding) for the meaning of word to ask; word must hold at
// least one meaning. Then collects the pairs that share that meaning within the range.
EnglishQuestion BuildEnglishQuestion(const WordTable& table, int word, double chaptStart,
                                     double chaptEnd);
