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

// The progress window while a paradigm file is scanned.
class ScanDialog : public ScanProgress {
public:
    explicit ScanDialog(const char* caption) : caption_(caption) {}
    void Begin(int maximum) override {
        ProgDialog& dialog = ProgDialog::Get();
        dialog.ShowNow();
        dialog.SetCaption(caption_);
        dialog.SetValue(0);
        dialog.SetMax(maximum);
    }
    void Step(int value) override { ProgDialog::Get().SetValue(value); }
    void End() override {
        ProgDialog::Get().SetValue(0);
        ProgDialog::Unload();
    }

private:
    const char* caption_;
};

// Scans the drill's paradigm file; a missing or unreadable file ends the program after its
// message.
CandidateList collectForms(const DrillSettings& drill, const FormChoices& choices) {
    return DataFileOrEnd(ReadDataFile(drill.formFile, drill.formMissingMessage,
                                      drill.formReadErrorMessage, [&](const std::string& path) {
                                          ScanDialog progress(drill.scanCaption);
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
    bool ok = true;
    std::string message;
    const std::string tenses = verbPane_->Tenses(), voices = verbPane_->Voices(),
                      moods = verbPane_->Moods();
    const bool thirdPersonImperatives = verbPane_->ThirdPersonImperatives();
    const bool duals = verbPane_->Duals();
    if (voices.empty() || moods.empty() || tenses.empty()) {
        message = "You need to choose at least one tense, one mood, and one voice. ";
        ok = false;
    }
    VerbQuizWindow& window = VerbQuizWindow::Get(this);
    window.ClearWordList();
    SetVerbDrillOptions(tenses, moods, voices, duals);
    if (ok) {
        const std::string verbs = fillWordList(*verbPane_, window);
        if (verbs.empty()) {
            ok = false;
            message = "You need to choose at least one verb from the list (select verbs by "
                      "clicking the check-boxes).";
        }
        CandidateList candidates =
            CollectValidVerbForms(verbs, voices, tenses, moods, duals, thirdPersonImperatives);
        if (candidates.empty()) {
            ok = false;
            if (message.empty())
                message = noFormsMessage;
        }
        if (ok) {
            verbPane_->SaveVerbPrefs(verbs, voices, tenses, moods, duals, thirdPersonImperatives);
            SavePrefs();
            window.Drill().CoolList = std::move(candidates);
            return true;
        }
    }
    ShowMessage(message, MsgIcon::Exclamation);
    return false;
}

bool WelcomeWin::CheckNounChoices() {
    bool ok = true;
    std::string message;
    const bool vocatives = nounPane_->Vocatives();
    const bool duals = nounPane_->Duals();
    NounQuizWindow& window = NounQuizWindow::Get(this);
    window.ClearWordList();
    SetNounDrillOptions(duals, vocatives);
    const std::string words = fillWordList(*nounPane_, window);
    if (words.empty()) {
        ok = false;
        message = "You need to choose at least one noun, pronoun, or adjective from the list "
                  "(select words by clicking the check-boxes).";
    }
    CandidateList candidates = CollectValidNounForms(words, duals, vocatives);
    if (candidates.empty()) {
        ok = false;
        if (message.empty())
            message = noFormsMessage;
    }
    if (ok) {
        nounPane_->SaveNounPrefs(words, duals, vocatives);
        SavePrefs();
        window.Drill().CoolList = std::move(candidates);
        return true;
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
