#pragma once

#include "platform/Text.h"

#include <cstdint>
#include <string>
#include <vector>

// The word table of a vocabulary drill: every record of the list, its chains and its scores.

// A link that leads nowhere. Any negative link in a list reads as this.
inline constexpr std::int16_t NoLink = -1;

// At most this many meanings of a record are kept; later ones are read and dropped.
inline constexpr int KeptMeanings = 7;

struct MeaningRecord {
    std::int16_t PrevMeaning = 0;
    std::int16_t PrevWord = NoLink;
    std::int16_t NextMeaning = 0;
    std::int16_t NextWord = NoLink;
    std::int16_t MarkerFlag = 0;
    std::string Text;   // the English meaning
    std::string Marker; // a marker code, "None" when unmarked
};

struct WordRecord {
    double Chapter = 0;
    std::int16_t MeaningCount = 0; // as the list gives it; Meanings holds at most KeptMeanings
    std::vector<MeaningRecord> Meanings;
    std::int16_t PrevEntry = NoLink;
    std::int16_t NextEntry = NoLink;
    std::int16_t MarkerFlag = 0;
    std::string SecondForm; // Beta code
    std::string Headword;   // Beta code
    std::string Marker;     // a marker code
    double Score = 0;

    // The number of meanings the record holds (never more than the list's count).
    int StoredMeanings() const { return int(Meanings.size()); }
};

// One (record, meaning) pair of a shared-meaning chain.
struct MeaningPair {
    int word = NoLink;
    int meaning = 0;
    bool operator==(const MeaningPair&) const = default;
};

struct WordTable {
    // Records 0..WordCount-1 are the list's records in file order; the last element, index
    // WordCount, is a spare empty record that the score file keeps too.
    std::vector<WordRecord> Records;
    int WordCount = 0;
    // The indices of the records in the drill's chapter range, read once per drill.
    std::vector<int> DrillWords;
    // How the list's text reads as characters, shown and typed alike: decided by the whole file.
    TextEncoding Encoding = TextEncoding::Utf8;

    // Whether index names one of the list's records (the spare record is none).
    bool IsWord(int index) const { return index >= 0 && index < WordCount; }

    // No walk along a chain takes more steps than this, so a damaged list with a cycle in its
    // links cannot hang the drill. A healthy chain visits each record at most once.
    int MaxSteps() const { return int(Records.size()); }

    const MeaningRecord& Meaning(MeaningPair pair) const {
        return Records[std::size_t(pair.word)].Meanings[std::size_t(pair.meaning)];
    }
    // The pairs before and after a pair in its shared-meaning chain; word NoLink when none.
    MeaningPair PrevPair(MeaningPair pair) const;
    MeaningPair NextPair(MeaningPair pair) const;
    // The walk along pair's shared-meaning chain within a chapter range: back from pair while the
    // pair before lies at or after chaptStart, then forward, handing each pair to visit, while the
    // next pair lies at or before chaptEnd (the first pair is visited whatever its chapter).
    // Returns the last pair of the walk, or on a damaged chain whose walk is cut off after
    // MaxSteps pairs the pair it would have visited next.
    template <class Visit>
    MeaningPair WalkPairsWithin(MeaningPair pair, double chaptStart, double chaptEnd,
                                Visit visit) const;

    // The first entry of the Greek word of record word, and every entry of its chain from there
    // in order (word itself among them).
    int FirstEntry(int word) const;
    std::vector<int> EntryChain(int word) const;

    // Makes "none" of every link that leads outside the list's records or to a meaning its
    // record does not hold.
    void MendLinks();
};

template <class Visit>
MeaningPair WordTable::WalkPairsWithin(MeaningPair pair, double chaptStart, double chaptEnd,
                                       Visit visit) const {
    auto chapter = [this](int word) { return Records[std::size_t(word)].Chapter; };
    for (int steps = 0; steps < MaxSteps(); ++steps) {
        const MeaningPair prev = PrevPair(pair);
        if (prev.word == NoLink || chapter(prev.word) < chaptStart)
            break;
        pair = prev;
    }
    for (int steps = 0; steps < MaxSteps(); ++steps) {
        visit(pair);
        const MeaningPair next = NextPair(pair);
        if (next.word == NoLink || chapter(next.word) > chaptEnd)
            break;
        pair = next;
    }
    return pair;
}
