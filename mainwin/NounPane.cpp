#include "mainwin/NounPane.h"

#include "widgets/Named.h"
#include "mainwin/ParadigmPrefs.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QVBoxLayout>

namespace {

const ParadigmPaneNames nounNames{
    "NounPickFrame",   "Choose Nouns",   "NounListBox",     "BevelButton3",      "Uncheck All",
    "NounSelectFrame", "Select Options", "NounBeginButton", "NounDefaultButton",
};

const ParadigmListFile nounList{
    "NounList.lxd",
    " ",
    3,
    "Could not find NounList.lxd. Please reinstall.",
    "File error loading nouns.",
};

} // namespace

NounPane::NounPane(QWidget* parent)
    : ParadigmPane(parent, nounNames),
      dualBox_(Named(new QCheckBox("Drill Dual Forms?"), "NounDualBut")),
      vocativeBox_(Named(new QCheckBox("Drill Vocative Forms?"), "NounVocativeBut")) {
    auto* layout = new QVBoxLayout(SelectFrame());
    layout->addWidget(dualBox_);
    layout->addWidget(vocativeBox_);
    layout->addStretch(1);
}

void NounPane::LoadNounList() {
    LoadList(nounList);
}

void NounPane::LoadNounPrefs() {
    LoadPrefsFile("NounPrefs.lxp", 1, 2);
}

void NounPane::ApplyPrefs(const ParadigmPrefs& prefs) {
    dualBox_->setChecked(prefs.flags[0]);
    vocativeBox_->setChecked(prefs.flags[1]);
}

void NounPane::SetDefaultNounPrefs() {
    dualBox_->setChecked(false);
    vocativeBox_->setChecked(false);
    CheckOnlyFirstItem();
}

void NounPane::SaveNounPrefs(const std::string& words, bool duals, bool vocatives) {
    SavePrefsFile("NounPrefs.lxp", {{words}, {duals, vocatives}});
}

bool NounPane::Duals() const {
    return dualBox_->isChecked();
}

bool NounPane::Vocatives() const {
    return vocativeBox_->isChecked();
}
