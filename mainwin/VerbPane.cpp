#include "mainwin/VerbPane.h"

#include "mainwin/ParadigmPrefs.h"
#include "widgets/Named.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>

namespace {

const ParadigmPaneNames verbNames{
    "VerbPickFrame",
    "Choose Verbs:",
    "VerbListBox",
    "BevelButton2",
    "Uncheck All Verbs",
    "VerbSelectFormsFrame",
    "Select Moods, Tenses, Voices, and Options",
    "VerbBeginButton",
    "VerbDefaultButton",
};

const ParadigmListFile verbList{
    "Verbs.lxd",
    ",",
    2,
    "There is no file named Verbs.lxd in the Data folder. Please reinstall Lexivo.",
    "File error loading verbs.",
};

constexpr char Mood = 'm', Tense = 't', Voice = 'v', Option = 'o';

struct VerbBox {
    const char* name;
    const char* caption;
    char group;
    int code; // the digit of the verb code; options have none
    bool byDefault;
    int row, column;
};

// In the order of the verb code's digits, which is the order of the code lists.
constexpr std::array<VerbBox, 21> verbBoxes{{
    {"IndicBut", "Indicative", Mood, 1, true, 0, 0},
    {"ImperBut", "Imperative", Mood, 2, false, 1, 0},
    {"SubjBut", "Subjunctive", Mood, 3, false, 2, 0},
    {"OptBut", "Optative", Mood, 4, false, 3, 0},
    {"InfBut", "Infinitive", Mood, 5, true, 4, 0},
    {"PartBut", "Participle", Mood, 6, false, 5, 0},
    {"PresBut", "Present", Tense, 1, true, 0, 1},
    {"FutBut", "Future", Tense, 2, false, 1, 1},
    {"ImperfBut", "Imperfect", Tense, 3, false, 2, 1},
    {"FirstAorBut", "1st Aorist", Tense, 4, false, 3, 1},
    {"SecondAorBut", "2nd Aorist", Tense, 5, false, 4, 1},
    {"FirstPerfBut", "1st Perfect", Tense, 6, false, 0, 2},
    {"SecondPerfBut", "2nd Perfect", Tense, 7, false, 1, 2},
    {"FirstPluperfBut", "1st Pluperf.", Tense, 8, false, 2, 2},
    {"SecondPluperfBut", "2nd Pluperf.", Tense, 9, false, 3, 2},
    {"FutPerfBut", "Fut. Perf.", Tense, 0, false, 4, 2},
    {"ActBut", "Active", Voice, 1, true, 0, 3},
    {"MidBut", "Middle", Voice, 2, false, 1, 3},
    {"PassBut", "Passive", Voice, 3, false, 2, 3},
    {"DualBut", "Duals?", Option, -1, false, 7, 0},
    {"ThirdPersImpBut", "3rd Person Imperatives?", Option, -1, false, 7, 1},
}};

constexpr std::size_t dualBox = 19, thirdPersImpBox = 20;

} // namespace

VerbPane::VerbPane(QWidget* parent) : ParadigmPane(parent, verbNames) {
    auto* grid = new QGridLayout(SelectFrame());
    for (std::size_t i = 0; i < verbBoxes.size(); ++i) {
        const VerbBox& box = verbBoxes[i];
        boxes_[i] = Named(new QCheckBox(box.caption), box.name);
        // The long caption runs on into the next column.
        grid->addWidget(boxes_[i], box.row, box.column, 1, i == thirdPersImpBox ? 2 : 1);
    }
    // The options stand apart, below the moods, tenses and voices.
    grid->setRowMinimumHeight(6, 8);
    grid->setRowStretch(8, 1);
}

void VerbPane::LoadVerbList() {
    LoadList(verbList);
}

void VerbPane::LoadVerbPrefs() {
    LoadPrefsFile("VerbPrefs.lxp", 4, 2);
}

void VerbPane::ApplyPrefs(const ParadigmPrefs& prefs) {
    SetGroup(Voice, prefs.codeLists[1]);
    SetGroup(Tense, prefs.codeLists[2]);
    SetGroup(Mood, prefs.codeLists[3]);
    boxes_[dualBox]->setChecked(prefs.flags[0]);
    boxes_[thirdPersImpBox]->setChecked(prefs.flags[1]);
}

void VerbPane::SetGroup(char group, const std::string& codeList) {
    for (std::size_t i = 0; i < verbBoxes.size(); ++i) {
        if (verbBoxes[i].group == group)
            boxes_[i]->setChecked(false);
    }
    for (double code : CodeListNumbers(codeList)) {
        for (std::size_t i = 0; i < verbBoxes.size(); ++i) {
            if (verbBoxes[i].group == group && verbBoxes[i].code == code)
                boxes_[i]->setChecked(true);
        }
    }
}

std::string VerbPane::CodeList(char group) const {
    std::string list;
    for (std::size_t i = 0; i < verbBoxes.size(); ++i) {
        if (verbBoxes[i].group == group && boxes_[i]->isChecked())
            list += std::to_string(verbBoxes[i].code) + ",";
    }
    if (!list.empty())
        list.pop_back();
    return list;
}

std::string VerbPane::Voices() const {
    return CodeList(Voice);
}

std::string VerbPane::Tenses() const {
    return CodeList(Tense);
}

std::string VerbPane::Moods() const {
    return CodeList(Mood);
}

bool VerbPane::Duals() const {
    return boxes_[dualBox]->isChecked();
}

bool VerbPane::ThirdPersonImperatives() const {
    return boxes_[thirdPersImpBox]->isChecked();
}

void VerbPane::SetDefaultVerbPrefs() {
    for (std::size_t i = 0; i < verbBoxes.size(); ++i)
        boxes_[i]->setChecked(verbBoxes[i].byDefault);
    CheckOnlyFirstItem();
}

void VerbPane::SaveVerbPrefs(const std::string& verbs, const std::string& voices,
                             const std::string& tenses, const std::string& moods, bool duals,
                             bool thirdPersonImperatives) {
    SavePrefsFile("VerbPrefs.lxp",
                  {{verbs, voices, tenses, moods}, {duals, thirdPersonImperatives}});
}
