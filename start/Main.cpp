#include "start/Main.h"

#include "app/MyApp.h"
#include "app/PickUserWin.h"
#include "app/SplashWin.h"
#include "mainwin/WelcomeWin.h"
#include "platform/MessageBoxWindow.h"
#include "platform/ProgramFolder.h"

#include <QApplication>
#include <QWidget>
#include <algorithm>

namespace {

bool anyWindowShown() {
    const auto windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(), [](QWidget* w) { return w->isVisible(); });
}

} // namespace

bool Main() {
    SetMessageShower(ShowMessageBox);
    // The program ends only by its own ways of ending, never because Qt saw the last window
    // that counts close (the drill windows do not count, and neither does a box).
    QApplication::setQuitOnLastWindowClosed(false);
    AppFolder = ProgramFolder();
    ShowSplash();
    SetUpFolders();
    ShowPickUserWin();
    // The main window stays for the rest of the run. Loading it sets it up for the chosen user
    // and applies the preferences; they are applied once more here.
    auto* mainWindow = new WelcomeWin;
    mainWindow->show();
    mainWindow->LoadPrefs();
    return anyWindowShown();
}
