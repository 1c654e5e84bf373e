#include "support/ProgramTest.h"

using SplashTest = ProgramTest;

namespace {

// Whether some pixel of that part of a picture has exactly that colour.
bool hasColour(const QImage& image, const QRect& area, QRgb colour) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if ((image.pixel(x, y) & 0xffffff) == (colour & 0xffffff))
                return true;
    return false;
}

} // namespace

// The splash window closes at a click, not at a key, and its timer stops; or by itself when its
// time is up.
TEST_F(SplashTest, ClosesAtAClickOrWhenItsTimeIsUp) {
    SetSplashInterval(5000);
    SplashWin splash;
    auto* timer = child<QTimer>(&splash, "SplashTimer");
    splash.show();
    picture(&splash, "splash");
    EXPECT_EQ(splash.size(), QSize(224, 300));
    // The name and the small print in deep blue, the Greek motto in terracotta (inside the
    // frame, which is blue too).
    const QImage face = splash.grab().toImage();
    EXPECT_TRUE(hasColour(face, QRect(16, 132, 192, 44), qRgb(0x23, 0x3a, 0x66)));
    EXPECT_TRUE(hasColour(face, QRect(16, 176, 192, 22), qRgb(0xa4, 0x49, 0x2e)));
    EXPECT_TRUE(hasColour(face, QRect(16, 214, 192, 44), qRgb(0x23, 0x3a, 0x66)));
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
