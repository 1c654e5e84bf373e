#pragma once

#include "vocab/WordTable.h"

#include <string>
#include <vector>

class VocabDrill;

// Judging the answers of a vocabulary item: which slots are right, what the wrong ones are
// corrected to, and how the scores change.

// An English answer or meaning as answers are compared: a leading "I ", every "!", then a leading
// "the " and a leading "a ", every "." and every blank dropped; letter case kept.
std::string NormalizeEnglish(const std::string& text);

// Beta code as Greek answers are compared: full stops, blanks and square brackets never count;
// accents and the diaeresis count only with countAccents.
std::string FilterBeta(const std::string& myInput, bool countAccents);

// A typed Greek answer as it is judged, before filtering: the square brackets typed dropped (they
// never count, and the display font would show them as "(" and ")", the codes of a breathing
// typed after a consonant), the rest through the display font and back, so that marks typed in
// another order and capitals read as the slot shows them.
std::string JudgedBeta(const std::string& typed);

// The normalised text and the marker of every meaning of the table, in table order: made once per
// drill, so that a wrong answer is looked up in the whole list without normalising it again.
class MeaningLookup {
public:
    MeaningLookup() = default;
    explicit MeaningLookup(const WordTable& table);

    // The first pair in table order whose meaning, normalised, is answer with this marker code;
    // word NoLink when none is.
    MeaningPair Find(const std::string& answer, const std::string& marker) const;
    bool Built() const { return built_; }

private:
    struct Entry {
        std::string normalized;
        std::string marker;
        MeaningPair pair;
    };
    std::vector<Entry> entries_;
    bool built_ = false;
};

// Takes SharedMeaningCost from every pair of the shared-meaning chain of pair within the chapter
// range (the walk back stops before chaptStart, the walk forward after chaptEnd; the pair itself
// counts unless it lies beyond chaptEnd).
void PenalizeMeaningRing(WordTable& table, MeaningPair pair, double chaptStart, double chaptEnd);

// Takes LookalikeCost from every record up to chaptEnd whose second form is a near miss of word's:
// a scaled typing-error count of exactly 0, swaps counted. Records of word's own Greek word are not
// its look-alikes, and an empty second form has none (another one would count as no typing error).
void PenalizeLookalikes(WordTable& table, int word, double chaptEnd);

// Takes damage from every entry of myItem's Greek word that lies up to chaptEnd.
void PenalizeGreek(WordTable& table, int myItem, int damage, double chaptEnd);

// Takes TypedGreekCost from every record whose headword is text exactly.
void PenalizeTypedGreek(WordTable& table, const std::string& text);

// Judging of a Greek-to-English and of an English-to-Greek item.
void JudgeEnglishAnswers(VocabDrill& drill);
void JudgeGreekAnswers(VocabDrill& drill);

// Judges the filled answer slots of the drill's current item: marks each slot right or wrong,
// shows the corrections, changes the scores and counters, and sets the Enter caption to "Next".
void JudgeAnswers(VocabDrill& drill);
