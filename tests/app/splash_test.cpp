#include "support/ProgramTest.h"

#include <QElapsedTimer>

using SplashTest = ProgramTest;

// The splash window closes at a click, not at a key, and its timer stops; or by itself when its
// time is up.
TEST_F(SplashTest, ClosesAtAClickOrWhenItsTimeIsUp) {
    SetSplashInterval(5000);
    SplashWin splash;
    auto* timer = splash.findChild<QTimer*>("SplashTimer");
    ASSERT_NE(timer, nullptr);
    splash.show();
    picture(&splash, "splash");
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Space})
        QTest::keyClick(&splash, key);
    EXPECT_TRUE(splash.isVisible());
    EXPECT_TRUE(timer->isActive());
    QTest::mouseClick(&splash, Qt::LeftButton, {}, QPoint(100, 150));
    EXPECT_FALSE(splash.isVisible());
    EXPECT_FALSE(timer->isActive());

    SetSplashInterval(30);
    QElapsedTimer clock;
    clock.start();
    ShowSplash(); // returns only once the window has closed itself
    EXPECT_GE(clock.elapsed(), 30);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}
