#include "app/Pictures.h"
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

// The columns of one row of a picture where terracotta stands out from the parchment, between
// the two frames at the sides: {first, last}, or {-1, -1}.
std::pair<int, int> terracottaSpan(const QImage& image, int y) {
    std::pair<int, int> span{-1, -1};
    for (int x = 10; x < image.width() - 10; ++x) {
        const QRgb pixel = image.pixel(x, y);
        if (qRed(pixel) - qBlue(pixel) > 60) {
            if (span.first < 0)
                span.first = x;
            span.second = x;
        }
    }
    return span;
}

// The Greek key of a band whose upper rule is at row top: the span of its pattern, as the
// rows under the rule show it.
std::pair<int, int> keySpan(const QImage& image, int top) {
    std::pair<int, int> span{image.width(), -1};
    for (int y = top + 2; y <= top + 15; ++y) {
        const auto [first, last] = terracottaSpan(image, y);
        if (first >= 0)
            span = {std::min(span.first, first), std::max(span.second, last)};
    }
    return span;
}

} // namespace

// Each band of the Greek key runs between its two rules, unbroken from one end to the other and
// with as much rule left over at either end.
TEST_F(SplashTest, TheKeyBandsRunCentredBetweenTheirRules) {
    struct Band {
        const char* picture;
        QImage image;
        int top; // the row of its upper rule
    };
    const Band bands[] = {{"splash, top", SplashPicture().toImage(), 16},
                          {"splash, bottom", SplashPicture().toImage(), 268},
                          {"user choice", UserChoicePicture().toImage(), 14}};
    for (const Band& band : bands) {
        SCOPED_TRACE(band.picture);
        const auto rule = terracottaSpan(band.image, band.top);
        const auto key = keySpan(band.image, band.top);
        ASSERT_GE(key.second, 0);
        EXPECT_GT(key.first, rule.first);
        EXPECT_LT(key.second, rule.second);
        EXPECT_LE(std::abs((key.first - rule.first) - (rule.second - key.second)), 1)
            << "rule " << rule.first << ".." << rule.second << ", key " << key.first << ".."
            << key.second;
        // No gap in the pattern: every column from end to end has some of it.
        for (int x = key.first; x <= key.second; ++x) {
            bool inked = false;
            for (int y = band.top + 2; y <= band.top + 15 && !inked; ++y)
                inked = qRed(band.image.pixel(x, y)) - qBlue(band.image.pixel(x, y)) > 60;
            EXPECT_TRUE(inked) << "column " << x;
            if (!inked)
                break;
        }
    }
}

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
