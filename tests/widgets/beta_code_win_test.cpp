#include "widgets/BetaCodeWin.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

const QString showText = "Show Beta-Code Template";
const QString hideText = "Hide Beta-Code Template";

// The chart announces each unloading, however it comes, and touches no button but the one
// clicked: the drill windows reset their own (see their tests).
TEST(BetaCodeWinTest, TheBetaButtonsOpenOneChartThatAnnouncesItsUnloading) {
    QSignalSpy unloaded(&BetaCodeWin::Signals(), &BetaChartSignals::Unloaded);
    QPushButton quiz(showText), nouns(showText), other(hideText);
    BetaCodeWin::BetaButton_Click(&quiz);
    QPointer<BetaCodeWin> chart = BetaCodeWin::Loaded();
    ASSERT_NE(chart, nullptr);
    EXPECT_TRUE(chart->isVisible());
    // The picture fills the window, corner to corner.
    const QImage picture = chart->grab().toImage();
    EXPECT_EQ(picture.size(), QSize(472, 147));
    EXPECT_EQ(picture.pixelColor(471, 146), picture.pixelColor(0, 0));
    EXPECT_NE(picture.pixelColor(471, 146), chart->palette().color(QPalette::Window));
    EXPECT_EQ(quiz.text(), hideText);
    // Opened again from another window, it is still the one chart.
    BetaCodeWin::BetaButton_Click(&nouns);
    EXPECT_EQ(BetaCodeWin::Loaded(), chart);
    EXPECT_EQ(unloaded.count(), 0);

    chart->close(); // as by its close box
    EXPECT_EQ(BetaCodeWin::Loaded(), nullptr);
    EXPECT_EQ(unloaded.count(), 1);
    EXPECT_EQ(quiz.text() + nouns.text() + other.text(), hideText + hideText + hideText);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(chart.isNull());

    // The button that offers to hide the chart closes it.
    BetaCodeWin::ShowChart();
    BetaCodeWin::BetaButton_Click(&quiz);
    EXPECT_EQ(quiz.text(), showText);
    EXPECT_EQ(BetaCodeWin::Loaded(), nullptr);
    EXPECT_EQ(unloaded.count(), 2);
    BetaCodeWin::UnloadChart(); // nothing is loaded: nothing to do
    EXPECT_EQ(unloaded.count(), 2);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace
