#pragma once

#include "data/vocab/VocabSource.h"

#include <string>
#include <vector>

// A vocabulary list as the drill reads it: the source's entries with their record indices and
// the links between them.

struct ListMeaning {
    SourceMeaning meaning;
    int nextWord = -1, nextMeaning = -1; // the next pair that shares this meaning
    int prevWord = -1, prevMeaning = -1;
};

struct ListRecord {
    SourceWord word;
    int nextEntry = -1, prevEntry = -1; // the other entries of the same Greek word
    std::vector<ListMeaning> meanings;
};

// Links the entries in source order (record i is word i). Entries with the same headword form
// one chain, ordered by chapter; so do the pairs of different Greek words that share a meaning
// with the same marker. Throws VocabSourceError for what would make the drill ask wrongly:
// two entries of one word in one chapter, a later entry that drops a meaning of an earlier
// one, a shared meaning that stands in two entries of one word, that is shared by more than
// six entries or by words whose own markers differ.
std::vector<ListRecord> LinkVocabList(const std::vector<SourceWord>& words);

// The list file's text, lines ended by CR LF.
std::string VocabListText(const std::vector<ListRecord>& records);
