#include "app/MyApp.h"
#include "app/SplashWin.h"
#include "platform/Help.h"
#include "platform/Text.h"
#include "vocab/Markers.h"
#include "vocab/QuizWindow.h"
#include "widgets/BetaCodeWin.h"
#include "widgets/DisplayFontText.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

void QuizWindow::EnterPressed() {
    const EnterAction action = drill_.EnterPressed(ListFromQString(UserField->text()),
                                                   FromQString(TypeCaseField->currentText()));
    if (action == EnterAction::NextItem) {
        Enter->setText(ToQString(drill_.EnterCaption));
        NextItem();
        return;
    }
    ShowSlots();
    Enter->setText(ToQString(drill_.EnterCaption));
    if (action == EnterAction::Filled) {
        UserField->clear();
        UserField->setFocus();
    }
}

void QuizWindow::EditAnswer(int index) {
    const VocabDrill::TakenBack back = drill_.EditAnswer(index);
    UserField->setText(ListToQString(back.UserText));
    ShowSlots();
    SelectCaseItem(back.Case);
    UserField->setFocus();
    UserField->selectAll();
}

void QuizWindow::Form_MouseUp(const QPoint& at) {
    int hit = -1;
    for (int i = 0; i < SlotCount; ++i) {
        const QFrame* frame = AnswerFrame[std::size_t(i)];
        const QRect box = frame->geometry();
        // Edges count as inside, the right and bottom ones too.
        if (frame->isVisible() && box.left() <= at.x() && at.x() <= box.left() + box.width() &&
            box.top() <= at.y() && at.y() <= box.top() + box.height())
            hit = i;
    }
    if (hit >= 0)
        EditAnswer(hit);
}

void QuizWindow::SelectCaseItem(const std::string& text) {
    const int index = SelectCaseIndex(text);
    TypeCaseField->setCurrentIndex(index);
    TypeCaseField->setEditText(TypeCaseField->itemText(index));
}

void QuizWindow::TypeCaseField_Change(const QString& text) {
    // Only free text typed into the box looks ahead; an item's own text is a selection.
    if (TypeCaseField->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive) >= 0)
        return;
    const int index = TypeAheadIndex(FromQString(text));
    if (index >= 0) {
        TypeCaseField->setCurrentIndex(index);
        TypeCaseField->setEditText(TypeCaseField->itemText(index));
    }
}

void QuizWindow::UserField_Change(const QString& text) {
    if (drill_.ToGreek)
        UserGreekField->setText(DisplayFontToQString(TransliterateGreek(ListFromQString(text))));
}

void QuizWindow::BetaButton_Click() {
    BetaCodeWin::BetaButton_Click(BetaButton);
}

void QuizWindow::Command1_Click() {
    EndDrill();
}

void QuizWindow::mnuDrillEnd_Click() {
    EndDrill();
}

void QuizWindow::mnuQuit_Click() {
    EndDrill();
    QuitProgram();
}

void QuizWindow::mnuHelpAbout_Click() {
    ShowSplash();
}

void QuizWindow::mnuHelpHelp_Click() {
    WinHelp(this, HelpFile);
}

void QuizWindow::closeEvent(QCloseEvent* event) {
    // The close box returns to the main window without offering to save.
    Unload();
    event->accept();
}

bool QuizWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonRelease)
        return QMainWindow::eventFilter(watched, event);
    if (watched == form_) {
        Form_MouseUp(static_cast<QMouseEvent*>(event)->position().toPoint());
        return false;
    }
    for (int i = 0; i < SlotCount; ++i)
        if (watched == AnswerField[std::size_t(i)] || watched == AnswerCaseField[std::size_t(i)]) {
            EditAnswer(i); // AnswerField_Click, AnswerCaseField_Click
            return true;   // the click is the label's, not the surface's under it
        }
    return QMainWindow::eventFilter(watched, event);
}
