#include "vocab/VocabDrill.h"

#include "app/LexivoPrefFile.h"
#include "greek/GreekStuff.h"
#include "platform/Numbers.h"
#include "vocab/Judging.h"
#include "vocab/Markers.h"
#include "vocab/WordChoice.h"

#include <algorithm>
#include <cmath>

VocabSettings VocabSettingsFrom(const LexivoPrefFile& prefs) {
    VocabSettings s;
    s.Iterations = prefs.Iterations;
    s.PercentActive = prefs.PercentActive;
    s.Review = prefs.Review;
    s.VocabChaptStart = prefs.VocabChaptStart;
    s.VocabChaptEnd = prefs.VocabChaptEnd;
    s.VocabFileName = prefs.VocabFileName;
    s.EnglishFont = prefs.EnglishFont;
    s.GreekFont = prefs.GreekFont;
    s.CountAccents = prefs.AccentsImportant != 0;
    return s;
}

VocabDrill::VocabDrill(VocabSettings settings)
    : Settings(std::move(settings)), ItemsToGo(Settings.Iterations + 1) {}

bool VocabDrill::CountItem() {
    --ItemsToGo;
    return ItemsToGo >= 1 && !Table.DrillWords.empty();
}

void VocabDrill::AskItem(int reinforcement) {
    ClearAnswers();
    ToGreek = PickLanguage(Settings.PercentActive);
    ChosenWord = CurrentWord = ChooseNextWord(Table, Settings.Review, reinforcement);
    // A word without meanings has no meaning to ask in English: it is asked in Greek.
    if (Table.Records[std::size_t(CurrentWord)].Meanings.empty())
        ToGreek = false;
    if (ToGreek)
        BuildEnglishQuestion();
    else
        BuildGreekQuestion();
}

void VocabDrill::ClearAnswers() {
    QuizText.clear();
    for (AnswerSlot& slot : Slots) {
        slot.Answer.clear();
        slot.Case.clear();
        slot.Fill = SlotFill::None;
    }
}

void VocabDrill::ShowAnswerSlots(int n) {
    for (int i = 0; i < SlotCount; ++i)
        Slots[std::size_t(i)].Visible = i <= n;
}

void VocabDrill::BuildGreekQuestion() {
    CurrentWord = LatestEntryWithin(Table, CurrentWord, Settings.VocabChaptEnd);
    const WordRecord& record = Table.Records[std::size_t(CurrentWord)];
    QuizText = TransliterateGreek(record.Headword);
    ShowAnswerSlots(std::min(record.StoredMeanings(), SlotCount) - 1);
}

void VocabDrill::BuildEnglishQuestion() {
    EnglishQuestion q = ::BuildEnglishQuestion(Table, CurrentWord, Settings.VocabChaptStart,
                                               Settings.VocabChaptEnd);
    CurrentMeaning = q.CurrentMeaning;
    AnswerRing = std::move(q.AnswerRing);
    const MeaningRecord& meaning = Table.Meaning({CurrentWord, CurrentMeaning});
    QuizText = meaning.Text + TransformCase(meaning.Marker);
    ShowAnswerSlots(int(AnswerRing.size()) - 1);
}

int VocabDrill::LastVisibleSlot() const {
    int last = 0;
    for (int i = 0; i < SlotCount; ++i)
        if (Slots[std::size_t(i)].Visible)
            last = i;
    return last;
}

EnterAction VocabDrill::EnterPressed(const std::string& userText, const std::string& markerText) {
    if (EnterCaption == "Next") {
        EnterCaption = "Okay";
        return EnterAction::NextItem;
    }
    const int last = LastVisibleSlot();
    // An item without slots (a word without meanings) has nothing to fill: it is judged at once.
    const bool anyShown =
        std::any_of(Slots.begin(), Slots.end(), [](const AnswerSlot& s) { return s.Visible; });
    const auto firstFree = std::find_if(Slots.begin(), Slots.begin() + last + 1,
                                        [](const AnswerSlot& s) { return !s.Filled(); });
    if (!anyShown || firstFree == Slots.begin() + last + 1) {
        JudgeAnswers(*this);
        return EnterAction::Judged;
    }
    firstFree->Answer = userText;
    if (firstFree->Answer.empty())
        firstFree->Answer = "-";
    firstFree->Case = markerText == "None" ? "" : markerText;
    return EnterAction::Filled;
}

VocabDrill::TakenBack VocabDrill::EditAnswer(int index) {
    AnswerSlot& slot = Slots.at(std::size_t(index));
    TakenBack back{slot.Answer, slot.Case};
    slot.Answer.clear();
    slot.Case.clear();
    return back;
}

std::string VocabDrill::ToGoText() const {
    if (ItemsToGo > 1)
        return NumberText(ItemsToGo) + " items out of " + NumberText(Settings.Iterations) + ".";
    return "Last item out of " + NumberText(Settings.Iterations) + "!";
}

std::string VocabDrill::ScoreText() const {
    double p = 0;
    if (CorrectCount > 0 && Attempts > 0)
        p = std::nearbyint(100.0 * CorrectCount / Attempts);
    return "Drill Score: " + NumberText(p) + "%";
}

std::string VocabDrill::StatsText() const {
    return NumberText(double(Table.DrillWords.size())) + "/" + NumberText(Table.WordCount) +
           " (words in drill)";
}

std::string VocabDrill::ChapterText() const {
    return "Chapter: " + NumberText(Table.Records[std::size_t(ChosenWord)].Chapter);
}

std::string VocabDrill::ItemScoreText() const {
    return "Item's Score: " +
           NumberText(std::nearbyint(Table.Records[std::size_t(ChosenWord)].Score));
}
