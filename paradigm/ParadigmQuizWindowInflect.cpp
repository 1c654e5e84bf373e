#include "paradigm/DrillSettings.h"
#include "paradigm/ParadigmQuizWindow.h"

#include <QFrame>
#include <QLabel>

// The typed-answer panel ConjugateFrame lies over the parse controls. Until its controls are
// built the drill offers no typed items (ParadigmDrill::TypedItemsOffered), so these routines
// only put the panel up.

void ParadigmQuizWindow::ShowInflectLayout() {
    ActiveOrPassiveTab->setText(QString::fromLatin1(settings_.inflectCaption));
    ConjugateFrame->show();
    ConjugateFrame->raise();
}

void ParadigmQuizWindow::ShowInflectItem() {
    ShowInflectLayout();
}

void ParadigmQuizWindow::CheckInflection() {}

void ParadigmQuizWindow::GiveUpInflection() {}

void ParadigmQuizWindow::ClearInflectAnswer() {}
