#include "app/MyApp.h"
#include "app/PickUserWin.h"
#include "greek/GreekStuff.h"
#include "mainwin/NounPane.h"
#include "mainwin/VerbPane.h"
#include "mainwin/VocabPane.h"
#include "mainwin/WelcomeWin.h"
#include "platform/DefaultButton.h"
#include "platform/EndProgram.h"
#include "platform/Folders.h"
#include "platform/Fonts.h"
#include "platform/MessageBox.h"
#include "platform/Text.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabBar>

namespace {

// Empties a drop-down list and fills it with names, leaving nothing selected and running no
// handler: only the selection that follows counts as a choice.
void fillList(QComboBox* list, const std::vector<std::string>& names) {
    const QSignalBlocker quiet(list);
    list->clear();
    for (const std::string& name : names)
        list->addItem(ToQString(name));
    list->setCurrentIndex(-1);
}

// The shown pane's "Begin Drill" button is the window's default button.
template <class Pane> void showPane(QWidget* window, Pane* pane, bool shown) {
    pane->setVisible(shown);
    if (shown)
        SetDefaultButton(window, pane->BeginButton());
    else
        ClearDefaultButton(window, pane->BeginButton());
}

} // namespace

void WelcomeWin::InitMainWindow() {
    AddFontFiles(DataFolder);
    englishFonts_ = InstalledFonts();
    int msSansSerif = 0;
    bool ortholex = false;
    for (std::size_t i = 0; i < englishFonts_.size(); ++i) {
        if (englishFonts_[i] == "MS Sans Serif")
            msSansSerif = int(i);
        if (englishFonts_[i] == "Ortholex")
            ortholex = true;
    }
    fillList(EnglishFont, englishFonts_);
    EnglishFont->setCurrentIndex(msSansSerif);

    if (!ortholex) {
        ShowMessage("You must install the Ortholex font before using Lexivo.", MsgIcon::Stop);
        EndProgram();
    }
    greekFonts_ = {"Ortholex"};
    fillList(GreekFont, greekFonts_);
    GreekFont->setCurrentIndex(0);

    std::vector<std::string> lists;
    for (const std::string& name : FileNames(DataFolder))
        if (name.ends_with(".lxv"))
            lists.push_back(name);
    vocabPane_->FillFileList(std::move(lists));

    MainTab->setCurrentIndex(0);
    ShowVocabPane();
    HideVerbPane();
    HideNounPane();

    SetWelcomeText();

    LoadPrefs();
    verbPane_->LoadVerbList();
    verbPane_->LoadVerbPrefs();
    nounPane_->LoadNounList();
    nounPane_->LoadNounPrefs();
}

void WelcomeWin::SetWelcomeText() {
    const std::string separator(1, PathSeparator);
    const int fields = CountFields(UserFolder, separator);
    const std::string name = fields > 0 ? GetField(UserFolder, separator, fields) : "";
    WelcomeText->setText(ToQString("Welcome " + name + "!"));
}

void WelcomeWin::MainTab_Click(int index) {
    switch (index) {
    case 1:
        ShowVocabPane();
        HideVerbPane();
        HideNounPane();
        break;
    case 2:
        ShowVerbPane();
        HideNounPane();
        HideVocabPane();
        break;
    case 3:
        ShowNounPane();
        HideVerbPane();
        HideVocabPane();
        break;
    default:
        break;
    }
}

void WelcomeWin::ShowVocabPane() {
    showPane(this, vocabPane_, true);
}

void WelcomeWin::HideVocabPane() {
    showPane(this, vocabPane_, false);
}

void WelcomeWin::ShowVerbPane() {
    showPane(this, verbPane_, true);
}

void WelcomeWin::HideVerbPane() {
    showPane(this, verbPane_, false);
}

void WelcomeWin::ShowNounPane() {
    showPane(this, nounPane_, true);
}

void WelcomeWin::HideNounPane() {
    showPane(this, nounPane_, false);
}

void WelcomeWin::SwitchUser() {
    // The outgoing user's changes are dropped with the controls that hold them.
    hide();
    unloadControls();
    ShowPickUserWin();
    loadWindow();
    show();
    InitMainWindow();
    SetWelcomeText();
}

void WelcomeWin::closeEvent(QCloseEvent* event) {
    if (event->spontaneous())
        EndProgram();
    QMainWindow::closeEvent(event);
}
