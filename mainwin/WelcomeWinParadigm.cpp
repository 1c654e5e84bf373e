#include "app/DataFileOrEnd.h"
#include "app/MyApp.h"
#include "mainwin/NounPane.h"
#include "mainwin/ParadigmPrefs.h"
#include "mainwin/VerbPane.h"
#include "mainwin/WelcomeWin.h"
#include "paradigm/CandidateScan.h"
#include "paradigm/DrillSettings.h"
#include "paradigm/NounQuizWindow.h"
#include "paradigm/VerbQuizWindow.h"
#include "platform/MessageBox.h"
#include "platform/Numbers.h"
#include "widgets/Controls.h"
#include "widgets/ProgDialog.h"

#include <QCheckBox>
#include <QLineEdit>

namespace {

const char* const noFormsMessage =
    "This particular combination of choices did not result in any valid forms.";

// Form codes hold two digits for the verb or word: an item from the 100th on matches no form.
constexpr int highestItemNumber = 99;

// Scans the drill's paradigm file; a missing or unreadable file ends the program after its
// message.
CandidateList collectForms(const DrillSettings& drill, const FormChoices& choices) {
    return DataFileOrEnd(ReadDataFile(drill.formFile, drill.formMissingMessage,
                                      drill.formReadErrorMessage, [&](const std::string& path) {
                                          ProgressWindow progress(drill.scanCaption);
                                          return CollectValidForms(path, drill, choices, progress);
                                      }));
}

// Puts the pane's checked items into the drill window's word list, each as its two-digit number,
// a blank and its name, and gives their numbers as a code list. An item from the 100th on keeps
// its number in the code list, so that the user's check on it is saved, but stays out of the word
// list: the drill window reads an item's first two characters as its number, and "100" would
// name item 10.
std::string fillWordList(const ParadigmPane& pane, ParadigmQuizWindow& window) {
    std::string numbers;
    for (const auto& [number, name] : pane.CheckedItems()) {
        const std::string digits = (number < 10 ? "0" : "") + std::to_string(number);
        if (number <= highestItemNumber)
            window.AddWord(digits + " " + name);
        numbers += digits + ",";
    }
    if (!numbers.empty())
        numbers.pop_back();
    return numbers;
}

// Enables the option button of each code of a code list in one of the window's groups.
void enableCodes(ParadigmQuizWindow& window, const char* frame, const std::string& codeList) {
    const OptionGroup& group = GroupInFrame(VerbDrill, frame);
    for (const std::string& field : CodeListFields(codeList)) {
        const double code = LeadingNumber(field);
        if (code >= 0 && code <= 9 && code == int(code))
            if (const OptionButton* button = ButtonOfDigit(group, char('0' + int(code))))
                window.SetOptionEnabled(button->name, true);
    }
}

} // namespace

void WelcomeWin::VerbBeginButton_Click() {
    if (CheckVerbChoices())
        StartVerbDrill();
    else if (VerbQuizWindow* window = VerbQuizWindow::Loaded())
        window->hide();
}

void WelcomeWin::NounBeginButton_Click() {
    if (CheckNounChoices())
        StartNounDrill();
    else if (NounQuizWindow* window = NounQuizWindow::Loaded())
        window->hide();
}

bool WelcomeWin::CheckVerbChoices() {
    FormChoices chosen;
    chosen.voices = verbPane_->Voices();
    chosen.tenses = verbPane_->Tenses();
    chosen.moods = verbPane_->Moods();
    chosen.duals = verbPane_->Duals();
    chosen.thirdPersonImperatives = verbPane_->ThirdPersonImperatives();
    return CheckChoices(
        VerbDrill, *verbPane_, VerbQuizWindow::Get(this), chosen,
        [this](const FormChoices& c) { SetVerbDrillOptions(c.tenses, c.moods, c.voices, c.duals); },
        [this](const FormChoices& c) {
            return CollectValidVerbForms(c.items, c.voices, c.tenses, c.moods, c.duals,
                                         c.thirdPersonImperatives);
        },
        [this](const FormChoices& c) {
            verbPane_->SaveVerbPrefs(c.items, c.voices, c.tenses, c.moods, c.duals,
                                     c.thirdPersonImperatives);
        });
}

bool WelcomeWin::CheckNounChoices() {
    FormChoices chosen;
    chosen.duals = nounPane_->Duals();
    chosen.vocatives = nounPane_->Vocatives();
    return CheckChoices(
        NounDrill, *nounPane_, NounQuizWindow::Get(this), chosen,
        [this](const FormChoices& c) { SetNounDrillOptions(c.duals, c.vocatives); },
        [this](const FormChoices& c) {
            return CollectValidNounForms(c.items, c.duals, c.vocatives);
        },
        [this](const FormChoices& c) { nounPane_->SaveNounPrefs(c.items, c.duals, c.vocatives); });
}

// The drill window's word list is emptied and its options set even when the kinds of form are
// missing; the scan runs even when no item is checked. At most one message is shown: the first
// check that fails gives it.
template <class SetOptions, class Collect, class Save>
bool WelcomeWin::CheckChoices(const DrillSettings& drill, const ParadigmPane& pane,
                              ParadigmQuizWindow& window, FormChoices choices,
                              SetOptions setOptions, Collect collect, Save save) {
    bool ok = true;
    std::string message;
    if (drill.noKindsMessage &&
        (choices.voices.empty() || choices.moods.empty() || choices.tenses.empty())) {
        message = drill.noKindsMessage;
        ok = false;
    }
    window.ClearWordList();
    setOptions(choices);
    if (ok) {
        choices.items = fillWordList(pane, window);
        if (choices.items.empty()) {
            ok = false;
            message = drill.noItemsMessage;
        }
        CandidateList candidates = collect(choices);
        if (candidates.empty()) {
            ok = false;
            if (message.empty())
                message = noFormsMessage;
        }
        if (ok) {
            save(choices);
            SavePrefs();
            window.Drill().CoolList = std::move(candidates);
            return true;
        }
    }
    ShowMessage(message, MsgIcon::Exclamation);
    return false;
}

void WelcomeWin::SetVerbDrillOptions(const std::string& tenses, const std::string& moods,
                                     const std::string& voices, bool duals) {
    VerbQuizWindow& window = VerbQuizWindow::Get(this);
    for (const char* name :
         {"IndicBut",      "ImperBut",     "SubjBut",       "OptBut",       "InfBut",
          "PartBut",       "ActiveBut",    "MidBut",        "PassBut",      "PresBut",
          "ImperfBut",     "FutBut",       "FirstAorBut",   "SecondAorBut", "FirstPerfBut",
          "SecondPerfBut", "FirstPlupBut", "SecondPlupBut", "FutPerfBut",   "PersNABut",
          "DualBut",       "NumberNABut"})
        window.SetOptionEnabled(name, false);
    enableCodes(window, "TenseFrame", tenses);
    enableCodes(window, "MoodFrame", moods);
    enableCodes(window, "VoiceFrame", voices);
    if (duals)
        window.SetOptionEnabled("DualBut", true);
    if (window.OptionEnabled("InfBut")) {
        window.SetOptionEnabled("PersNABut", true);
        window.SetOptionEnabled("NumberNABut", true);
    }
}

void WelcomeWin::SetNounDrillOptions(bool duals, bool vocatives) {
    NounQuizWindow& window = NounQuizWindow::Get(this);
    window.SetOptionEnabled("DualBut", duals);
    window.SetOptionEnabled("VocativeBut", vocatives);
}

CandidateList WelcomeWin::CollectValidVerbForms(const std::string& verbs, const std::string& voices,
                                                const std::string& tenses, const std::string& moods,
                                                bool duals, bool thirdPersonImperatives) {
    return collectForms(VerbDrill,
                        {verbs, voices, tenses, moods, duals, thirdPersonImperatives, false});
}

CandidateList WelcomeWin::CollectValidNounForms(const std::string& words, bool duals,
                                                bool vocatives) {
    return collectForms(NounDrill, {words, "", "", "", duals, false, vocatives});
}

void WelcomeWin::StartVerbDrill() {
    StartDrill(VerbQuizWindow::Get(this));
}

void WelcomeWin::StartNounDrill() {
    StartDrill(NounQuizWindow::Get(this));
}

void WelcomeWin::StartDrill(ParadigmQuizWindow& window) {
    hide();
    ParadigmDrill& drill = window.Drill();
    drill.AccentsCount = Accents->checkState() != Qt::Unchecked;
    drill.HowManyInDrill = FieldNumber(HowManyField);
    drill.PercentActive = Prefs.PercentActive;
    window.show();
    window.doFirstDrill();
}
