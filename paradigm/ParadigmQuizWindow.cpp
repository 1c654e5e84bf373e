#include "paradigm/ParadigmQuizWindow.h"

#include "app/DataFileOrEnd.h"
#include "app/MyApp.h"
#include "app/SplashWin.h"
#include "paradigm/DrillSettings.h"
#include "platform/DefaultButton.h"
#include "platform/Help.h"
#include "platform/MessageBox.h"
#include "platform/Numbers.h"
#include "platform/Text.h"
#include "widgets/BetaCodeWin.h"
#include "widgets/DisplayFontText.h"

#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

ParadigmQuizWindow::ParadigmQuizWindow(const DrillSettings& settings, QWidget* mainWindow)
    : settings_(settings), drill_(settings), mainWindow_(mainWindow) {
    setObjectName(QString::fromLatin1(settings.windowName));
    setWindowTitle(QString::fromLatin1(settings.windowCaption));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    buildMenus();
    buildControls();
    // Form_Load
    ShowParseLayout();
    CorrectParseField->hide();
    LoadFormFile();
}

void ParadigmQuizWindow::LoadFormFile() {
    drill_.FormLines = DataFileOrEnd(ReadDataFile(settings_.formFile, settings_.formMissingMessage,
                                                  settings_.formReadErrorMessage, ReadDataLines));
}

void ParadigmQuizWindow::LoadIndexFile() {
    drill_.Index.Load(DataFileOrEnd(ReadDataFile(settings_.indexFile, settings_.indexMissingMessage,
                                                 settings_.indexReadErrorMessage, ReadDataLines)));
}

void ParadigmQuizWindow::ClearWordList() {
    wordList_->clear();
}

void ParadigmQuizWindow::AddWord(const std::string& item) {
    auto* entry = new QListWidgetItem(DisplayFontToQString(item), wordList_);
    entry->setData(Qt::UserRole, QByteArray::fromStdString(item));
}

void ParadigmQuizWindow::SetOptionEnabled(const char* name, bool enabled) {
    if (auto* option = findChild<QRadioButton*>(QString::fromLatin1(name)))
        option->setEnabled(enabled);
}

bool ParadigmQuizWindow::OptionEnabled(const char* name) const {
    const auto* option = findChild<QRadioButton*>(QString::fromLatin1(name));
    return option && option->isEnabled();
}

void ParadigmQuizWindow::doFirstDrill() {
    drill_.Start();
    FormsSelectedField->setText(ToQString(NumberText(double(drill_.CoolList.size()))));
    ScoreField->setText(QStringLiteral("0%"));
    GiveUpsField->setText(QStringLiteral("0"));
    CorrectField->setText(QStringLiteral("0"));
    ClearParseChoices();
    LoadIndexFile();
    NextItem();
}

void ParadigmQuizWindow::NextItem() {
    const ParadigmDrill::Next next = drill_.NextItem();
    if (next == ParadigmDrill::Next::Ended) {
        EndDrill();
        return;
    }
    RemainingField->setText(ToQString(NumberText(drill_.HowManyInDrill + 1)));
    if (next == ParadigmDrill::Next::NewForm) {
        ClearParseChoices();
        wordList_->clearSelection();
        wordList_->setCurrentItem(nullptr);
        if (wordList_->count() == 1)
            wordList_->item(0)->setSelected(true);
    }
    ArmButtons();
    if (drill_.ParseMode())
        ShowParseItem();
    else
        ShowInflectItem();
}

void ParadigmQuizWindow::ArmButtons() {
    AgainButton->setEnabled(false);
    SetAnswerButtons(true);
    ClearDefaultButton(this, AgainButton);
    SetDefaultButton(this, EnterButton);
}

void ParadigmQuizWindow::SetAnswerButtons(bool enabled) {
    // A click on Enter or Give Up leaves the focus on that button; disabled there, it would pass
    // the focus on to End Drill, and the Enter key would end the drill. On the window the Enter
    // key means the default button.
    if (!enabled && (focusWidget() == EnterButton || focusWidget() == GiveUpButton))
        centralWidget()->setFocus();
    EnterButton->setEnabled(enabled);
    GiveUpButton->setEnabled(enabled);
}

void ParadigmQuizWindow::AdvanceDrill() {
    drill_.AdvanceDrill();
    AgainButton->setEnabled(false);
    ShowStatus();
    for (const char* name : settings_.correctFormLabels)
        if (auto* label = findChild<QWidget*>(QString::fromLatin1(name)))
            label->hide();
    ClearInflectAnswer();
    NextItem();
}

void ParadigmQuizWindow::ShowStatus() {
    ScoreField->setText(ToQString(NumberText(drill_.Score()) + "%"));
    RemainingField->setText(ToQString(NumberText(drill_.HowManyInDrill)));
    GiveUpsField->setText(ToQString(NumberText(drill_.GiveUps())));
    CorrectField->setText(ToQString(NumberText(drill_.CorrectCount())));
}

void ParadigmQuizWindow::EndDrill() {
    if (ending_)
        return;
    ending_ = true;
    // Nothing of the drill may run behind the summary or after the window.
    BlinkTimer->stop();
    SetAnswerButtons(false);
    AgainButton->setEnabled(false);
    ShowMessage(drill_.SummaryText(), MsgIcon::Exclamation);
    close();
}

void ParadigmQuizWindow::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void ParadigmQuizWindow::Form_Unload() {
    unloaded_ = true;
    BlinkTimer->stop();
    SetAnswerButtons(false);
    BetaCodeWin::OfferChart(BetaButton);
    BetaCodeWin::UnloadChart();
    if (mainWindow_)
        mainWindow_->show();
}

void ParadigmQuizWindow::EnterButton_Click() {
    drill_.CountAttempt();
    if (drill_.ParseMode())
        CheckParse();
    else
        CheckInflection();
}

void ParadigmQuizWindow::GiveUpButton_Click() {
    drill_.CountGiveUp();
    if (drill_.ParseMode())
        GiveUpParse();
    else
        GiveUpInflection();
}

void ParadigmQuizWindow::AgainButton_Click() {
    AdvanceDrill();
}

void ParadigmQuizWindow::BlinkTimer_Timer() {
    if (drill_.ParseMode()) {
        VerbForParsingField->show();
        CorrectParseField->hide();
    } else {
        ClearInflectAnswer();
    }
    BlinkTimer->stop();
    SetAnswerButtons(true);
    AdvanceDrill();
}

void ParadigmQuizWindow::EndQuizButton_Click() {
    EndDrill();
}

void ParadigmQuizWindow::mnuDrillEnd_Click() {
    EndDrill();
}

void ParadigmQuizWindow::mnuFileQuit_Click() {
    EndDrill();
    QuitProgram();
}

void ParadigmQuizWindow::mnuHelpAbout_Click() {
    // The pause after a right answer waits while the About box is up, and starts again after.
    const bool pausing = BlinkTimer->isActive();
    BlinkTimer->stop();
    ShowSplash();
    if (pausing)
        BlinkTimer->start();
}

void ParadigmQuizWindow::mnuHelpHelp_Click() {
    WinHelp(this, HelpFile);
}

void ParadigmQuizWindow::BetaButton_Click() {
    BetaCodeWin::BetaButton_Click(BetaButton);
}
