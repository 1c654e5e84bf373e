#include "data/vocab/VocabList.h"

#include "data/common/WholeFile.h"

#include <algorithm>
#include <map>
#include <set>
#include <utility>

namespace {

std::string MeaningName(const SourceMeaning& m) {
    return Quoted(m.text) + (m.marker.empty() ? "" : " [" + m.marker + "]");
}

std::string Lines(int a, int b) {
    return "lines " + std::to_string(a) + " and " + std::to_string(b);
}

void LinkEntries(std::vector<ListRecord>& records) {
    std::map<std::string, std::vector<int>> byHeadword;
    for (std::size_t i = 0; i < records.size(); ++i)
        byHeadword[records[i].word.headword].push_back(static_cast<int>(i));
    for (auto& [headword, chain] : byHeadword) {
        std::stable_sort(chain.begin(), chain.end(), [&](int a, int b) {
            return records[a].word.chapter < records[b].word.chapter;
        });
        for (std::size_t k = 1; k < chain.size(); ++k) {
            const SourceWord& earlier = records[chain[k - 1]].word;
            const SourceWord& later = records[chain[k]].word;
            if (earlier.chapter == later.chapter)
                throw VocabSourceError(later.line, Quoted(headword) +
                                                       " has two entries in one chapter (" +
                                                       Lines(earlier.line, later.line) + ")");
            // The drill asks a word by its latest entry within the chapters drilled, so that
            // entry must hold every meaning learnt so far.
            for (const SourceMeaning& m : earlier.meanings) {
                auto same = [&](const SourceMeaning& n) {
                    return n.text == m.text && n.marker == m.marker;
                };
                if (std::none_of(later.meanings.begin(), later.meanings.end(), same))
                    throw VocabSourceError(later.line, "this entry of " + Quoted(headword) +
                                                           " drops " + MeaningName(m) +
                                                           " of its entry on line " +
                                                           std::to_string(earlier.line));
            }
            records[chain[k - 1]].nextEntry = chain[k];
            records[chain[k]].prevEntry = chain[k - 1];
        }
    }
}

void LinkMeanings(std::vector<ListRecord>& records) {
    using Pair = std::pair<int, int>; // record, meaning
    std::map<std::pair<std::string, std::string>, std::vector<Pair>> byMeaning;
    for (std::size_t i = 0; i < records.size(); ++i) {
        for (std::size_t j = 0; j < records[i].meanings.size(); ++j) {
            const SourceMeaning& m = records[i].meanings[j].meaning;
            byMeaning[{m.text, m.marker}].push_back({static_cast<int>(i), static_cast<int>(j)});
        }
    }
    for (auto& [key, chain] : byMeaning) {
        std::set<std::string> headwords;
        for (const Pair& p : chain)
            headwords.insert(records[p.first].word.headword);
        if (headwords.size() < 2)
            continue; // a meaning of one Greek word only, in one or more of its entries
        const SourceMeaning& meaning =
            records[chain.front().first].meanings[chain.front().second].meaning;
        std::stable_sort(chain.begin(), chain.end(), [&](const Pair& a, const Pair& b) {
            return records[a.first].word.chapter < records[b.first].word.chapter;
        });
        // An English-to-Greek item shows one answer box per word of the chain and takes each
        // Greek answer with its word's own marker.
        if (chain.size() > MaxMeanings)
            throw VocabSourceError(records[chain[MaxMeanings].first].word.line,
                                   MeaningName(meaning) +
                                       " is shared by more than six entries; the drill has six "
                                       "answer boxes");
        std::map<std::string, int> lineOf;
        for (const Pair& p : chain) {
            const SourceWord& w = records[p.first].word;
            auto [at, fresh] = lineOf.emplace(w.headword, w.line);
            if (!fresh)
                throw VocabSourceError(w.line, MeaningName(meaning) +
                                                   " is shared with other "
                                                   "words, so it may stand in only one entry of " +
                                                   Quoted(w.headword) + " (" +
                                                   Lines(at->second, w.line) + ")");
            const SourceWord& first = records[chain.front().first].word;
            if (w.marker != first.marker)
                throw VocabSourceError(
                    w.line, MeaningName(meaning) + " is shared by " + Quoted(first.headword) +
                                " and " + Quoted(w.headword) + ", whose own markers differ (" +
                                Lines(first.line, w.line) + ")");
        }
        for (std::size_t k = 1; k < chain.size(); ++k) {
            ListMeaning& prev = records[chain[k - 1].first].meanings[chain[k - 1].second];
            ListMeaning& next = records[chain[k].first].meanings[chain[k].second];
            prev.nextWord = chain[k].first;
            prev.nextMeaning = chain[k].second;
            next.prevWord = chain[k - 1].first;
            next.prevMeaning = chain[k - 1].second;
        }
    }
}

void AddLine(std::string& out, const std::string& line) {
    out += line;
    out += DataLineEnd;
}

void AddMarker(std::string& out, const std::string& code) {
    AddLine(out, code.empty() ? "0" : "1");
    AddLine(out, code.empty() ? "None" : code);
}

} // namespace

std::vector<ListRecord> LinkVocabList(const std::vector<SourceWord>& words) {
    std::vector<ListRecord> records;
    records.reserve(words.size());
    for (const SourceWord& w : words) {
        ListRecord r;
        r.word = w;
        for (const SourceMeaning& m : w.meanings)
            r.meanings.push_back({m});
        records.push_back(std::move(r));
    }
    LinkEntries(records);
    LinkMeanings(records);
    return records;
}

std::string VocabListText(const std::vector<ListRecord>& records) {
    std::string out;
    AddLine(out, std::to_string(records.size()));
    for (std::size_t i = 0; i < records.size(); ++i) {
        const ListRecord& r = records[i];
        if (i > 0)
            AddLine(out, ""); // the separator, read and ignored
        AddLine(out, std::to_string(r.word.chapter));
        AddLine(out, r.word.headword);
        AddLine(out, r.word.secondForm);
        AddLine(out, std::to_string(r.nextEntry));
        AddLine(out, std::to_string(r.prevEntry));
        AddMarker(out, r.word.marker);
        AddLine(out, std::to_string(r.meanings.size()));
        for (const ListMeaning& m : r.meanings) {
            AddLine(out, m.meaning.text);
            AddLine(out, std::to_string(m.nextWord));
            AddLine(out, std::to_string(m.nextMeaning));
            AddLine(out, std::to_string(m.prevWord));
            AddLine(out, std::to_string(m.prevMeaning));
            AddMarker(out, m.meaning.marker);
        }
    }
    return out;
}
