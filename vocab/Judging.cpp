#include "vocab/Judging.h"

#include "greek/GreekStuff.h"
#include "greek/Nearest.h"
#include "vocab/Markers.h"
#include "vocab/VocabDrill.h"
#include "vocab/VocabRules.h"

#include <algorithm>
#include <string_view>

namespace {

void dropPrefix(std::string& text, std::string_view prefix) {
    if (text.compare(0, prefix.size(), prefix) == 0)
        text.erase(0, prefix.size());
}

std::string without(std::string text, std::string_view removed) {
    std::erase_if(text, [removed](char c) { return removed.find(c) != std::string_view::npos; });
    return text;
}

// A marker that applies only when its flag is set; no marker is the empty code.
std::string markerOf(std::int16_t flag, const std::string& marker) {
    return flag != 0 ? marker : "";
}
std::string markerText(std::int16_t flag, const std::string& marker) {
    return flag != 0 ? CaseCodeToText(marker) : "None";
}

// What one right answer of an item is compared with, and what a slot shows when it is corrected
// to it.
struct Candidate {
    std::string match;    // compared exactly with a slot's answer
    std::string distance; // measured against a wrong answer to find the nearest
    std::string marker;   // marker code
    std::string shown;    // the slot's answer once right or corrected
    std::string caseText; // the slot's marker text once corrected
};

// A slot's answer as the candidates' match and distance texts are.
struct SlotAnswer {
    std::string match;
    std::string distance;
    std::string marker;
};

// The two passes that both directions share. Right answers take the lowest unused candidate that
// matches with the same marker; then each wrong slot is corrected to the nearest unused candidate
// (typing errors plus one for another marker, the lower on a tie). right(k) runs for each right
// slot, wrong() for each wrong one, corrected(answer, k) after each correction (k -1 when no
// candidate was left, which the slot counts rule out).
template <class Read, class Right, class Wrong, class Corrected>
void judgeSlots(VocabDrill& drill, const std::vector<Candidate>& candidates, Read read, Right right,
                Wrong wrong, Corrected corrected) {
    std::vector<bool> used(candidates.size());
    for (AnswerSlot& slot : drill.Slots) {
        if (!slot.Visible)
            continue;
        const SlotAnswer answer = read(slot);
        std::size_t k = 0;
        while (k < candidates.size() && (used[k] || candidates[k].match != answer.match ||
                                         candidates[k].marker != answer.marker))
            ++k;
        if (k < candidates.size()) {
            used[k] = true;
            ++drill.CorrectCount;
            slot.Fill = SlotFill::Right;
            slot.Answer = candidates[k].shown;
            right(int(k));
        } else {
            slot.Fill = SlotFill::Wrong;
            wrong();
        }
        ++drill.Attempts;
    }
    for (AnswerSlot& slot : drill.Slots) {
        if (!slot.Visible || slot.Fill != SlotFill::Wrong)
            continue;
        const SlotAnswer answer = read(slot);
        const int nearest = NearestByTypos(candidates.size(), [&](std::size_t k) {
            if (used[k])
                return NotACandidate;
            return CountTypos(answer.distance, candidates[k].distance, false, false) +
                   int(answer.marker != candidates[k].marker);
        });
        if (nearest >= 0) {
            used[std::size_t(nearest)] = true;
            slot.Answer = candidates[std::size_t(nearest)].shown;
            slot.Case = candidates[std::size_t(nearest)].caseText;
        }
        corrected(answer, nearest);
    }
}

} // namespace

std::string NormalizeEnglish(const std::string& text) {
    std::string s = text;
    dropPrefix(s, "I ");
    s = without(std::move(s), "!");
    dropPrefix(s, "the ");
    dropPrefix(s, "a ");
    return without(std::move(s), ". ");
}

std::string FilterBeta(const std::string& myInput, bool countAccents) {
    return without(myInput, countAccents ? ". ][" : ". ][/\\=+");
}

std::string JudgedBeta(const std::string& typed) {
    return DisplayFontToBeta(BetaToDisplayFont(without(typed, "[]")));
}

MeaningLookup::MeaningLookup(const WordTable& table) : built_(true) {
    for (int k = 0; k < table.WordCount; ++k) {
        const std::vector<MeaningRecord>& meanings = table.Records[std::size_t(k)].Meanings;
        for (int m = 0; m < int(meanings.size()); ++m) {
            const MeaningRecord& meaning = meanings[std::size_t(m)];
            entries_.push_back({NormalizeEnglish(meaning.Text),
                                markerOf(meaning.MarkerFlag, meaning.Marker),
                                {k, m}});
        }
    }
}

MeaningPair MeaningLookup::Find(const std::string& answer, const std::string& marker) const {
    for (const Entry& e : entries_) {
        if (e.normalized == answer && e.marker == marker)
            return e.pair;
    }
    return {};
}

void PenalizeMeaningRing(WordTable& table, MeaningPair pair, double chaptStart, double chaptEnd) {
    table.WalkPairsWithin(pair, chaptStart, chaptEnd, [&table, chaptEnd](MeaningPair p) {
        WordRecord& record = table.Records[std::size_t(p.word)];
        if (record.Chapter <= chaptEnd)
            record.Score -= SharedMeaningCost;
    });
}

void PenalizeLookalikes(WordTable& table, int word, double chaptEnd) {
    const std::string form = table.Records[std::size_t(word)].SecondForm;
    if (form.empty())
        return;
    std::vector<bool> ownWord(table.Records.size());
    for (int e : table.EntryChain(word))
        ownWord[std::size_t(e)] = true;
    for (int k = 0; k < table.WordCount; ++k) {
        WordRecord& record = table.Records[std::size_t(k)];
        if (record.Chapter <= chaptEnd && !ownWord[std::size_t(k)] &&
            CountTyposBelow(form, record.SecondForm, true, true, LookalikeErrors + 1) == 0)
            record.Score -= LookalikeCost;
    }
}

void PenalizeGreek(WordTable& table, int myItem, int damage, double chaptEnd) {
    for (int e : table.EntryChain(myItem)) {
        WordRecord& entry = table.Records[std::size_t(e)];
        if (entry.Chapter <= chaptEnd)
            entry.Score -= damage;
    }
}

void PenalizeTypedGreek(WordTable& table, const std::string& text) {
    for (WordRecord& record : table.Records) {
        if (record.Headword == text)
            record.Score -= TypedGreekCost;
    }
}

void JudgeEnglishAnswers(VocabDrill& drill) {
    WordTable& table = drill.Table;
    const int w = drill.CurrentWord;
    WordRecord& word = table.Records[std::size_t(w)];
    std::vector<Candidate> meanings;
    for (const MeaningRecord& m : word.Meanings) {
        const std::string normalized = NormalizeEnglish(m.Text);
        meanings.push_back({normalized, normalized, markerOf(m.MarkerFlag, m.Marker), m.Text,
                            markerText(m.MarkerFlag, m.Marker)});
    }
    if (!drill.Lookup.Built())
        drill.Lookup = MeaningLookup(table);
    const double start = drill.Settings.VocabChaptStart;
    const double end = drill.Settings.VocabChaptEnd;
    judgeSlots(
        drill, meanings,
        [](const AnswerSlot& slot) {
            const std::string answer = NormalizeEnglish(slot.Answer);
            return SlotAnswer{answer, answer, CaseTextToCode(slot.Case)};
        },
        [&word](int) { word.Score += RightMeaningGain; },
        [&word] { word.Score -= WrongMeaningCost; },
        [&](const SlotAnswer& answer, int) {
            const MeaningPair same = drill.Lookup.Find(answer.match, answer.marker);
            if (same.word != NoLink)
                PenalizeMeaningRing(table, same, start, end);
        });
    PenalizeLookalikes(table, w, end);
    drill.EnterCaption = "Next";
}

void JudgeGreekAnswers(VocabDrill& drill) {
    WordTable& table = drill.Table;
    const bool accents = drill.Settings.CountAccents;
    std::vector<Candidate> ring;
    for (const MeaningPair& entry : drill.AnswerRing) {
        const WordRecord& r = table.Records[std::size_t(entry.word)];
        ring.push_back({FilterBeta(r.Headword, accents), r.Headword,
                        markerOf(r.MarkerFlag, r.Marker), r.Headword,
                        markerText(r.MarkerFlag, r.Marker)});
    }
    auto wordOf = [&drill](int k) { return drill.AnswerRing[std::size_t(k)].word; };
    const double end = drill.Settings.VocabChaptEnd;
    judgeSlots(
        drill, ring,
        [accents](const AnswerSlot& slot) {
            const std::string typed = JudgedBeta(slot.Answer);
            return SlotAnswer{FilterBeta(typed, accents), typed, CaseTextToCode(slot.Case)};
        },
        [&](int k) { table.Records[std::size_t(wordOf(k))].Score += RightGreekGain; }, [] {},
        [&](const SlotAnswer& answer, int nearest) {
            if (nearest >= 0)
                PenalizeGreek(table, wordOf(nearest), WrongGreekCost, end);
            PenalizeTypedGreek(table, answer.distance);
        });
    drill.EnterCaption = "Next";
}

void JudgeAnswers(VocabDrill& drill) {
    if (drill.ToGreek)
        JudgeGreekAnswers(drill);
    else
        JudgeEnglishAnswers(drill);
}
