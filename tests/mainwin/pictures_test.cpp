// Saves the start windows, the main window and the Beta-code chart as pictures, one per tab, when
// LEXIVO_PICTURES names a folder; used to look at the layout with the built Data folder, not to
// check it.
#include "MainWinFixture.h"
#include "widgets/BetaCodeWin.h"

#include <QAction>
#include <QTabBar>

TEST_F(MainWinTest, Pictures) {
    const QString target = QString::fromLocal8Bit(qgetenv("LEXIVO_PICTURES"));
    if (target.isEmpty())
        GTEST_SKIP() << "set LEXIVO_PICTURES to a folder to save the windows as pictures there";
    SplashWin().grab().save(target + "/splash.png");
    PickUserWin().grab().save(target + "/users.png");

    useBuiltData();
    start();
    window->adjustSize();
    for (int i = 0; i < 3; ++i) {
        find<QTabBar>("MainTab")->setCurrentIndex(i);
        window->grab().save(target + QStringLiteral("/main%1.png").arg(i));
    }
    find<QAction>("mnuHelpHelp")->trigger();
    find<QWidget>("HelpViewer")->grab().save(target + "/help.png");
    BetaCodeWin::ShowChart();
    BetaCodeWin::Loaded()->grab().save(target + "/chart.png");
    BetaCodeWin::UnloadChart();
}
