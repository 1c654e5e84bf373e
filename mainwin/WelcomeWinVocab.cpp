#include "app/DataFileOrEnd.h"
#include "app/MyApp.h"
#include "mainwin/WelcomeWin.h"
#include "platform/MessageBox.h"
#include "vocab/ListFile.h"
#include "vocab/QuizWindow.h"

bool WelcomeWin::CheckChapters() {
    const WordTable list = DataFileOrEnd(
        ReadDataVocabList(Prefs.VocabFileName, Prefs.VocabChaptStart, Prefs.VocabChaptEnd));
    return !list.DrillWords.empty();
}

void WelcomeWin::StartVocabDrill() {
    hide();
    SavePrefs();
    if (CheckChapters()) {
        QuizWindow::StartDrill(this);
        return;
    }
    ShowMessage("There are no vocabulary words in the selected chapter.", MsgIcon::Stop);
    show();
}
