#include "vocab/WordTable.h"

MeaningPair WordTable::PrevPair(MeaningPair pair) const {
    const MeaningRecord& m = Meaning(pair);
    return {m.PrevWord, m.PrevMeaning};
}

MeaningPair WordTable::NextPair(MeaningPair pair) const {
    const MeaningRecord& m = Meaning(pair);
    return {m.NextWord, m.NextMeaning};
}

int WordTable::FirstEntry(int word) const {
    for (int steps = 0; steps < MaxSteps(); ++steps) {
        const int prev = Records[std::size_t(word)].PrevEntry;
        if (prev == NoLink)
            break;
        word = prev;
    }
    return word;
}

std::vector<int> WordTable::EntryChain(int word) const {
    std::vector<int> chain;
    for (int e = FirstEntry(word); e != NoLink && int(chain.size()) < MaxSteps();
         e = Records[std::size_t(e)].NextEntry)
        chain.push_back(e);
    return chain;
}

void WordTable::MendLinks() {
    auto entry = [this](std::int16_t& link) {
        if (!IsWord(link))
            link = NoLink;
    };
    auto pair = [this](std::int16_t& word, std::int16_t& meaning) {
        if (!IsWord(word) || meaning < 0 ||
            meaning >= Records[std::size_t(word)].StoredMeanings()) {
            word = NoLink;
        }
    };
    for (WordRecord& record : Records) {
        entry(record.NextEntry);
        entry(record.PrevEntry);
        for (MeaningRecord& m : record.Meanings) {
            pair(m.NextWord, m.NextMeaning);
            pair(m.PrevWord, m.PrevMeaning);
        }
    }
}
