#include "mainwin/NounPane.h"

namespace {

const ParadigmPaneNames nounNames{
    "NounPickFrame",   "Choose Nouns",   "NounListBox",     "BevelButton3",      "Uncheck All",
    "NounSelectFrame", "Select Options", "NounBeginButton", "NounDefaultButton",
};

} // namespace

NounPane::NounPane(QWidget* parent) : ParadigmPane(parent, nounNames) {}

void NounPane::LoadNounList() {}

void NounPane::LoadNounPrefs() {}

void NounPane::SetDefaultNounPrefs() {}

void NounPane::SaveNounPrefs(const std::string&, bool, bool) {}
