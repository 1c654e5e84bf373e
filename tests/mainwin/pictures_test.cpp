// Saves the start windows and the main window as pictures, one per tab, when LEXIVO_PICTURES
// names a folder; used to look at the layout with the built Data folder, not to check it.
#include "MainWinFixture.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTabBar>

TEST_F(MainWinTest, Pictures) {
    const QString target = QString::fromLocal8Bit(qgetenv("LEXIVO_PICTURES"));
    if (target.isEmpty())
        GTEST_SKIP() << "set LEXIVO_PICTURES to a folder to save the windows as pictures there";
    SplashWin().grab().save(target + "/splash.png");
    PickUserWin().grab().save(target + "/users.png");

    const QDir built(QString::fromLocal8Bit(qgetenv("LEXIVO_BUILD_DIR")) + QStringLiteral("/Data"));
    for (const QString& name : built.entryList(QDir::Files)) {
        const QString copy = QString::fromStdString(path("Data/" + name.toStdString()));
        QFile::remove(copy);
        QFile::copy(built.filePath(name), copy);
    }
    SetInstalledFontsForTest(std::nullopt);
    start();
    window->adjustSize();
    for (int i = 0; i < 3; ++i) {
        find<QTabBar>("MainTab")->setCurrentIndex(i);
        window->grab().save(target + QStringLiteral("/main%1.png").arg(i));
    }
    find<QAction>("mnuHelpHelp")->trigger();
    find<QWidget>("HelpViewer")->grab().save(target + "/help.png");
}
