// Help and About from the main window.
#include "MainWinFixture.h"

#include <QAction>
#include <QPointer>
#include <QTextBrowser>

TEST_F(MainWinTest, HelpOpensTheHelpFileInOneViewerOwnedByTheWindow) {
    start();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, Qt::Key_H, Qt::ControlModifier);
    auto* browser = find<QTextBrowser>("HelpText");
    ASSERT_NE(browser, nullptr);
    EXPECT_NE(browser->window(), window);
    EXPECT_TRUE(browser->toPlainText().contains("could not be found")); // said in the viewer
    EXPECT_TRUE(browser->toPlainText().contains("HELPER.HLP"));

    // Asked again, the same viewer comes back at the start of the text.
    write("Data/HELPER.HLP", "<html><body><h1>Contents</h1><p>Ἀθηνᾶ</p></body></html>");
    browser->window()->close();
    find<QAction>("mnuHelpHelp")->trigger();
    EXPECT_EQ(window->findChildren<QTextBrowser*>().size(), 1);
    EXPECT_TRUE(browser->window()->isVisible());
    picture(browser->window(), "help");
    EXPECT_TRUE(browser->toPlainText().startsWith("Contents"));
    EXPECT_TRUE(browser->toPlainText().contains(QStringLiteral("Ἀθηνᾶ")));
    EXPECT_TRUE(messages.empty());

    // The viewer stays when the main window hides to log on as another user: the user-choice
    // window opens in front of it, and lets it go again once closed.
    QPointer<QWidget> pick;
    QWidget* owner = nullptr;
    whenModal(QStringLiteral("PickUserWin"), [&](QWidget* win) {
        pick = win;
        owner = win->parentWidget();
        clickUserEntry(win, "Maria", DoubleClick);
    });
    click(window, "Command3");
    EXPECT_EQ(owner, browser->window());
    ASSERT_NE(pick, nullptr);
    EXPECT_EQ(pick->parentWidget(), nullptr);
}

TEST_F(MainWinTest, AboutShowsTheSplashWindowUntilItClosesItself) {
    start();
    SetSplashInterval(20);
    QWidget* owner = nullptr;
    bool fired = false;
    whenSplashShows(fired, [&](QWidget* splash) { owner = splash->parentWidget(); });
    find<QAction>("mnuHelpAbout")->trigger(); // returns once the window has closed
    EXPECT_EQ(owner, window);                 // in front of the main window
    EXPECT_TRUE(fired);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}
