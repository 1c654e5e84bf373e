#include "app/Main.h"

#include "app/MyApp.h"
#include "app/PickUserWin.h"
#include "app/SplashWin.h"
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
    AppFolder = ProgramFolder();
    ShowSplash();
    SetUpFolders();
    ShowPickUserWin();
    return anyWindowShown();
}
