// Saves the main window as pictures, one per tab, when LEXIVO_PICTURES names a folder; used to
// look at the layout with the built Data folder, not to check it.
#include "MainWinFixture.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTabBar>

TEST_F(MainWinTest, PicturesOfEachTab) {
    const QByteArray target = qgetenv("LEXIVO_PICTURES");
    if (target.isEmpty())
        GTEST_SKIP() << "LEXIVO_PICTURES not set";
    const QDir built(QString::fromLocal8Bit(qgetenv("LEXIVO_BUILD_DIR")) + QStringLiteral("/Data"));
    for (const QString& name : built.entryList(QDir::Files)) {
        QFile::remove(QString::fromStdString(dataPath(name.toStdString())));
        QFile::copy(built.filePath(name), QString::fromStdString(dataPath(name.toStdString())));
    }
    SetInstalledFontsForTest(std::nullopt);
    start();
    window->adjustSize();
    auto* tabs = find<QTabBar>("MainTab");
    for (int i = 0; i < 3; ++i) {
        tabs->setCurrentIndex(i);
        window->grab().save(QString::fromLatin1(target) + QStringLiteral("/main%1.png").arg(i));
    }
    find<QAction>("mnuHelpHelp")->trigger();
    find<QWidget>("HelpViewer")->grab().save(QString::fromLatin1(target) + "/help.png");
}

TEST_F(MainWinTest, PicturesOfTheStartWindows) {
    const QByteArray target = qgetenv("LEXIVO_PICTURES");
    if (target.isEmpty())
        GTEST_SKIP() << "LEXIVO_PICTURES not set";
    SplashWin splash;
    splash.grab().save(QString::fromLatin1(target) + QStringLiteral("/splash.png"));
    PickUserWin users;
    users.grab().save(QString::fromLatin1(target) + QStringLiteral("/users.png"));
}
