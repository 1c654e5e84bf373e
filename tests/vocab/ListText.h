#pragma once

#include <sstream>
#include <string>
#include <vector>

// Vocabulary list files written for tests, in the list format the program reads.

// A value that Rnd gives so that the whole part of (n x value + 1) is k (1..n).
inline double pick(int k, int n) {
    return (k - 0.5) / n;
}

struct TestMeaning {
    std::string text;
    int nextWord = -1, nextMeaning = 0, prevWord = -1, prevMeaning = 0;
    int flag = 0;
    std::string marker = "None";
};

struct TestWord {
    double chapter = 1;
    std::string headword;
    std::vector<TestMeaning> meanings;
    int nextEntry = -1, prevEntry = -1;
    int flag = 0;
    std::string marker = "None";
    std::string secondForm = "";
    int meaningCount = -1; // written instead of the number of meanings when not -1
};

inline std::string ListText(const std::vector<TestWord>& words) {
    std::string text = std::to_string(words.size()) + "\r\n";
    auto line = [&text](const std::string& value) { text += value + "\r\n"; };
    for (std::size_t i = 0; i < words.size(); ++i) {
        const TestWord& w = words[i];
        line((std::ostringstream() << w.chapter).str());
        line(w.headword);
        line(w.secondForm.empty() ? w.headword : w.secondForm);
        line(std::to_string(w.nextEntry));
        line(std::to_string(w.prevEntry));
        line(std::to_string(w.flag));
        line(w.marker);
        line(std::to_string(w.meaningCount != -1 ? w.meaningCount : int(w.meanings.size())));
        for (const TestMeaning& m : w.meanings) {
            line(m.text);
            for (int n : {m.nextWord, m.nextMeaning, m.prevWord, m.prevMeaning, m.flag})
                line(std::to_string(n));
            line(m.marker);
        }
        if (i + 1 < words.size())
            line("-----");
    }
    return text;
}

// Links words[a].meanings[am], words[b].meanings[bm], ... into one shared-meaning chain, in order.
inline void ShareMeaning(std::vector<TestWord>& words, std::vector<std::pair<int, int>> pairs) {
    for (std::size_t k = 0; k + 1 < pairs.size(); ++k) {
        auto [a, am] = pairs[k];
        auto [b, bm] = pairs[k + 1];
        words[a].meanings[am].nextWord = b;
        words[a].meanings[am].nextMeaning = bm;
        words[b].meanings[bm].prevWord = a;
        words[b].meanings[bm].prevMeaning = am;
    }
}

// Links the entries words[a], words[b], ... into one chain of one Greek word, in order.
inline void ChainEntries(std::vector<TestWord>& words, std::vector<int> entries) {
    for (std::size_t k = 0; k + 1 < entries.size(); ++k) {
        words[entries[k]].nextEntry = entries[k + 1];
        words[entries[k + 1]].prevEntry = entries[k];
    }
}
