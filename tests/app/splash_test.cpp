#include "AppFixture.h"

#include <QElapsedTimer>
#include <QTest>

TEST_F(AppTest, SplashClosesAtAClickAndItsTimerStops) {
    SetSplashInterval(5000);
    SplashWin splash;
    EXPECT_EQ(splash.windowTitle(), "Welcome to Lexivo!");
    EXPECT_EQ(splash.size(), QSize(224, 300));
    auto* timer = splash.findChild<QTimer*>("SplashTimer");
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 5000);
    EXPECT_TRUE(timer->isActive());

    splash.show();
    QTest::mouseClick(&splash, Qt::LeftButton, {}, QPoint(100, 150));
    EXPECT_FALSE(splash.isVisible());
    EXPECT_FALSE(timer->isActive());
}

TEST_F(AppTest, SplashClosesByItselfWhenItsTimeIsUp) {
    SetSplashInterval(30);
    QElapsedTimer clock;
    clock.start();
    ShowSplash(); // returns only once the window has closed itself
    EXPECT_GE(clock.elapsed(), 30);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}
