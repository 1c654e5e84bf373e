#include "support/ProgramTest.h"

using SplashTest = ProgramTest;

// The splash window closes at a click, not at a key, and its timer stops; or by itself when its
// time is up.
TEST_F(SplashTest, ClosesAtAClickOrWhenItsTimeIsUp) {
    SetSplashInterval(5000);
    SplashWin splash;
    auto* timer = child<QTimer>(&splash, "SplashTimer");
    splash.show();
    picture(&splash, "splash");
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Space})
        QTest::keyClick(&splash, key);
    EXPECT_TRUE(splash.isVisible());
    EXPECT_TRUE(timer->isActive());
    QTest::mouseClick(&splash, Qt::LeftButton, {}, QPoint(100, 150));
    EXPECT_FALSE(splash.isVisible());
    EXPECT_FALSE(timer->isActive());

    // Shown modally, it closes when its timer fires, at the time set: no wall clock is read, since
    // a Qt timer may fire a little early.
    SetSplashInterval(30);
    bool fired = false;
    whenSplashShows(fired, [](QWidget* window) {
        auto* timer = child<QTimer>(window, "SplashTimer");
        EXPECT_TRUE(timer->isActive());
        EXPECT_EQ(timer->interval(), 30);
    });
    ShowSplash(); // returns only once the window has closed itself
    EXPECT_TRUE(fired);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}
