#pragma once

#include "vocab/Judging.h"
#include "vocab/Questions.h"
#include "vocab/WordTable.h"

#include <array>
#include <string>
#include <vector>

struct LexivoPrefFile;

// The settings a vocabulary drill copies from the preferences when it starts. The reinforcement
// is not among them: each item reads it afresh from the preferences.
struct VocabSettings {
    int Iterations = 0;
    int PercentActive = 0;
    int Review = 0;
    int VocabChaptStart = 0;
    int VocabChaptEnd = 0;
    std::string VocabFileName;
    std::string EnglishFont;
    std::string GreekFont;
    bool CountAccents = false;
};

VocabSettings VocabSettingsFrom(const LexivoPrefFile& prefs);

// How judging leaves a slot's rectangle.
enum class SlotFill { None, Right, Wrong };

// One answer slot: its answer (English, or Beta code on an English-to-Greek item, as typed until
// judging puts the list's wording in its place; empty while free), its marker text ("" for
// none), whether it is shown, and its verdict.
struct AnswerSlot {
    std::string Answer;
    std::string Case;
    bool Visible = false;
    SlotFill Fill = SlotFill::None;

    bool Filled() const { return !Answer.empty(); }
};

// What a press of the Enter button did.
enum class EnterAction {
    NextItem, // the item was judged before: the caller asks the next one (NextItem)
    Judged,   // every shown slot was filled: the answers were judged
    Filled,   // the typed answer went into the first free slot
};

// The state of one vocabulary drill and its item flow, without any window.
class VocabDrill {
public:
    explicit VocabDrill(VocabSettings settings);

    // The next item in two halves, for a window that clears its answer field between them while
    // the direction of the item before still holds. CountItem counts it: false when the drill is
    // over. AskItem clears the slots, picks the direction and the word and builds the question.
    // Its draws, in order: the direction, the review roll, the candidates' draws, and on an
    // English-to-Greek item the meaning.
    bool CountItem();
    void AskItem(int reinforcement);

    // The Enter button, with the text typed in the answer field and the marker box's text.
    EnterAction EnterPressed(const std::string& userText, const std::string& markerText);

    // Takes slot index back for editing: empties it and returns what goes back into the answer
    // field (the slot's answer as it was typed) and the marker text it had.
    struct TakenBack {
        std::string UserText;
        std::string Case;
    };
    TakenBack EditAnswer(int index);

    // The last shown slot (0 when none is shown).
    int LastVisibleSlot() const;

    // Status texts.
    std::string ToGoText() const;
    std::string ScoreText() const;
    std::string StatsText() const;
    // Chapter and score of the record the item was chosen for.
    std::string ChapterText() const;
    std::string ItemScoreText() const;

    VocabSettings Settings;
    WordTable Table;

    int ItemsToGo = 0;
    int CorrectCount = 0;
    int Attempts = 0;
    bool ToGreek = false;
    int ChosenWord = 0;  // the record the word choice gave
    int CurrentWord = 0; // the record asked, which the question may have moved along its chains
    int CurrentMeaning = 0;
    std::vector<MeaningPair> AnswerRing; // English-to-Greek: the accepted pairs
    std::array<AnswerSlot, SlotCount> Slots;
    std::string EnterCaption = "Enter";
    std::string QuizText; // the question: English, or display-font Greek
    MeaningLookup Lookup; // every meaning of the list as judging compares it, made once per drill

private:
    void ClearAnswers();
    void ShowAnswerSlots(int n);
    void BuildGreekQuestion();
    void BuildEnglishQuestion();
};
