#include "app/MyApp.h"
#include "app/SplashWin.h"
#include "mainwin/VerbPane.h"
#include "mainwin/WelcomeWin.h"
#include "platform/Help.h"
#include "platform/Numbers.h"
#include "platform/Text.h"
#include "widgets/Controls.h"
#include "widgets/SpinArrows.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

void WelcomeWin::Accents_Click(int state) {
    Prefs.AccentsImportant = state == Qt::Unchecked ? 0 : 1;
}

void WelcomeWin::EnglishFont_Click(int index) {
    if (index >= 0 && index < int(englishFonts_.size()))
        Prefs.EnglishFont = englishFonts_[std::size_t(index)];
}

void WelcomeWin::GreekFont_Click(int index) {
    if (index >= 0 && index < int(greekFonts_.size()))
        Prefs.GreekFont = greekFonts_[std::size_t(index)];
}

void WelcomeWin::HowManyField_Change() {
    Prefs.Iterations = FieldNumber(HowManyField);
}

void WelcomeWin::VScroll1_Change(int value) {
    HowManyField->setText(ToQString(NumberText(value)));
}

void WelcomeWin::PercentActive_Change(int value) {
    ActiveText->setText(ToQString(NumberText(value) + "% Active Knowledge"));
    Prefs.PercentActive = std::int16_t(value);
}

void WelcomeWin::Command1_Click() {
    SavePrefs();
    QuitProgram();
}

void WelcomeWin::Command3_Click() {
    SwitchUser();
}

void WelcomeWin::mnuFileQuit_Click() {
    QuitProgram();
}

void WelcomeWin::mnuDrillDefault_Click() {
    SetDefaultPrefs();
    verbPane_->SetDefaultVerbPrefs();
}

void WelcomeWin::mnuHelpAbout_Click() {
    ShowSplash();
}

void WelcomeWin::mnuHelpHelp_Click() {
    WinHelp(this, HelpFile);
}
