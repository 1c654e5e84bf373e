#include "mainwin/VerbPane.h"

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

} // namespace

VerbPane::VerbPane(QWidget* parent) : ParadigmPane(parent, verbNames) {}

void VerbPane::LoadVerbList() {}

void VerbPane::LoadVerbPrefs() {}

void VerbPane::SetDefaultVerbPrefs() {}

void VerbPane::SaveVerbPrefs(const std::string&, const std::string&, const std::string&,
                             const std::string&, bool, bool) {}
