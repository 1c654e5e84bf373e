#pragma once

#include "paradigm/CandidateList.h"
#include "paradigm/FormFiles.h"

#include <string>
#include <vector>

struct DrillSettings;

// A paradigm drill without its window: the candidates and their weights, the item sequence,
// the judging of answers, the counters, the score and the summary.
//
// Each newly drawn item takes seven random numbers, in this order: one for its mode (parse when
// the whole number 1 to 100 it gives exceeds PercentActive), then six draws of a candidate, the
// lowest weight winning (the earliest on a tie). A form asked again for a further parsing draws
// nothing.
class ParadigmDrill {
public:
    explicit ParadigmDrill(const DrillSettings& settings) : settings_(settings) {}

    // Set by the main window before a drill.
    bool AccentsCount = false;
    bool BreathingsCount = true; // changed only by the drill window's own box
    CandidateList CoolList;
    int HowManyInDrill = 0; // items still to ask
    int PercentActive = 0;  // percentage of new items in which the form is typed

    // The paradigm file's data lines (element IDX - 1 holds line IDX) and the index of forms
    // spelled alike.
    std::vector<std::string> FormLines;
    FormIndex Index;

    // Starts the counters and the score of a new drill.
    void Start();

    enum class Next { Ended, SameForm, NewForm };
    // Counts one item down and chooses it: the same form again while parsings of it are open,
    // else a newly drawn one. Ended when nothing is left to ask (the count at 0 or below, or no
    // candidates).
    Next NextItem();

    bool ParseMode() const { return parseMode_; }
    bool HasCurrent() const { return current_ >= 0; }
    const FormEntry& Current() const { return CoolList[std::size_t(current_)]; }
    std::size_t CurrentPosition() const { return std::size_t(current_); }
    // The form asked, in the data-file font.
    std::string CurrentForm() const;
    std::size_t AnswerCount() const { return answers_.size(); }

    // Counted before judging.
    void CountAttempt() { ++attempts_; }
    void CountGiveUp() { ++giveUps_; }

    // The outcomes of judging, shared by both modes: a right answer raises the current entry's
    // weight and the count of right answers, a wrong try lowers the weight.
    void RightAnswer();
    void WrongTry();

    struct ParseVerdict {
        bool right = false;
        std::string hint; // the message for a wrong parse
    };
    // Judges a parse code against the nearest open parsing, which becomes the current item.
    ParseVerdict CheckParse(const std::string& parseCode);

    // The other spelling of the form asked, in the data-file font: "" when the drill has no
    // spelling variants or the other spelling is not a candidate.
    std::string VariantForm() const;
    // Judges a typed answer (Beta code) against the form asked and its other spelling, with
    // AccentsCount and BreathingsCount; a right answer raises the weight and the count of right
    // answers, a wrong try lowers the weight.
    bool CheckInflection(const std::string& answer);

    // Closes the item and rescores.
    void AdvanceDrill();

    int Score() const { return score_; }
    int GiveUps() const { return giveUps_; }
    int CorrectCount() const { return correct_; }
    // Items presented so far.
    int Done() const { return initialCount_ - HowManyInDrill; }

    // The end-of-drill summary, its lines joined by CR LF.
    std::string SummaryText() const;

private:
    void DrawItem();
    void Rescore();

    const DrillSettings& settings_;
    // The open parsings of the form asked, as positions in CoolList rather than copies of their
    // entries: every judging reads and changes an entry's weight as it stands, so a second wrong
    // try on one parsing costs a second point and no later answer undoes an earlier change.
    std::vector<std::size_t> answers_;
    int current_ = -1;
    bool parseMode_ = true;
    int score_ = 100;
    int giveUps_ = 0;
    int correct_ = 0;
    int attempts_ = 0;
    int initialCount_ = 0;
};

// The drill score in percent: every give-up costs a whole item and the wrong tries cost their
// number squared over the attempts; never below 0.
int DrillScore(int done, int giveUps, int attempts, int correct);
