#include "greek/GreekStuff.h"
#include "paradigm/DrillSettings.h"
#include "paradigm/ParadigmQuizWindow.h"
#include "paradigm/ParseMode.h"
#include "platform/DefaultButton.h"
#include "platform/MessageBox.h"
#include "platform/Text.h"
#include "widgets/DisplayFontText.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

namespace {

// Unselects the buttons of an exclusive group: Qt keeps one button of an exclusive group
// checked, so the group lets go of exclusiveness while its checked button is cleared.
void clearGroup(QButtonGroup* group) {
    if (QAbstractButton* checked = group->checkedButton()) {
        group->setExclusive(false);
        checked->setChecked(false);
        group->setExclusive(true);
    }
}

} // namespace

void ParadigmQuizWindow::ShowParseLayout() {
    ActiveOrPassiveTab->setText(QString::fromLatin1(settings_.parseCaption));
    wordFrame_->show();
    for (QGroupBox* frame : groupFrames_)
        frame->show();
    for (QWidget* part :
         std::initializer_list<QWidget*>{PossiblesField, Label4, VerbForParsingField})
        part->show();
    CorrectParseField->hide();
    ConjugateFrame->hide();
}

void ParadigmQuizWindow::ClearParseChoices() {
    for (QButtonGroup* group : groups_)
        clearGroup(group);
}

void ParadigmQuizWindow::ShowParseItem() {
    ShowParseLayout();
    VerbForParsingField->setText(
        DisplayFontToQString(BetaToDisplayFont(DataFontToBeta(drill_.CurrentForm()))));
    PossiblesField->setText(ToQString(PossiblesText(drill_.AnswerCount())));
    SetAnswerButtons(true);
    AgainButton->setEnabled(false);
}

std::string ParadigmQuizWindow::ReadParseChoices() {
    std::vector<char> digits;
    for (QButtonGroup* group : groups_)
        digits.push_back(group->checkedId() < 0 ? char(0) : char(group->checkedId()));
    const QList<QListWidgetItem*> selected = wordList_->selectedItems();
    const std::string word =
        selected.isEmpty() ? "" : selected.first()->data(Qt::UserRole).toByteArray().toStdString();
    std::string missing;
    const std::string code = ParseCodeOf(settings_, word, digits, missing);
    if (code.empty())
        ShowMessage(MissingChoiceMessage(missing), MsgIcon::Exclamation);
    return code;
}

void ParadigmQuizWindow::CheckParse() {
    const std::string code = ReadParseChoices();
    if (code.empty())
        return;
    const ParadigmDrill::ParseVerdict verdict = drill_.CheckParse(code);
    if (verdict.right)
        ParseAnswerCorrect();
    else
        ShowMessage(verdict.hint, MsgIcon::Exclamation);
}

void ParadigmQuizWindow::ParseAnswerCorrect() {
    VerbForParsingField->hide();
    CorrectParseField->show();
    SetAnswerButtons(false);
    BlinkTimer->start();
}

void ParadigmQuizWindow::GiveUpParse() {
    ClearParseChoices();
    SetAnswerButtons(false);
    AgainButton->setEnabled(true);
    SetDefaultButton(this, AgainButton);
    const std::string code = drill_.Current().code;
    SelectWordOf(code);
    const std::vector<char> digits = GiveUpDigits(settings_, code);
    for (std::size_t i = 0; i < groups_.size(); ++i)
        if (QAbstractButton* option = groups_[i]->button(digits[i]))
            option->setChecked(true);
}

void ParadigmQuizWindow::SelectWordOf(const std::string& code) {
    for (int i = 0; i < wordList_->count(); ++i) {
        QListWidgetItem* item = wordList_->item(i);
        if (item->data(Qt::UserRole).toByteArray().toStdString().substr(0, 2) ==
            code.substr(0, 2)) {
            wordList_->setCurrentItem(item);
            item->setSelected(true);
            return;
        }
    }
}
