#include "mainwin/BetaCodeWin.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QString showText = "Show Beta-Code Template";
const QString hideText = "Hide Beta-Code Template";

// A stand-in for a drill window: a top-level window with its BetaButton.
std::unique_ptr<QWidget> DrillWindow(const char* name, bool visible = true) {
    auto window = std::make_unique<QWidget>();
    window->setObjectName(name);
    auto* button = new QPushButton(hideText, window.get());
    button->setObjectName("BetaButton");
    window->setVisible(visible);
    return window;
}

QString caption(const std::unique_ptr<QWidget>& window) {
    return window->findChild<QPushButton*>("BetaButton")->text();
}

void ProcessDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(BetaCodeWinTest, TheBetaButtonsOpenOneChartThatClosingResetsByWindowName) {
    auto quiz = DrillWindow("QuizWindow");
    auto verbs = DrillWindow("VerbQuizWindow", false); // loaded but hidden
    auto nouns = DrillWindow("NounQuizWindow");
    auto stranger = DrillWindow("SaveWin");
    auto nested = std::make_unique<QWidget>();
    auto* inner = new QWidget(nested.get());
    inner->setObjectName("QuizWindow"); // not a top-level window
    auto* innerButton = new QPushButton(hideText, inner);
    innerButton->setObjectName("BetaButton");

    auto* button = quiz->findChild<QPushButton*>("BetaButton");
    button->setText(showText);
    BetaCodeWin::BetaButton_Click(button);
    QPointer<BetaCodeWin> chart = BetaCodeWin::Loaded();
    ASSERT_NE(chart, nullptr);
    EXPECT_TRUE(chart->isVisible());
    EXPECT_EQ(button->text(), hideText);
    // Opened again from another window, it is still the one chart.
    auto* other = nouns->findChild<QPushButton*>("BetaButton");
    other->setText(showText);
    BetaCodeWin::BetaButton_Click(other);
    EXPECT_EQ(BetaCodeWin::Loaded(), chart);

    chart->close(); // as by its close box
    EXPECT_EQ(BetaCodeWin::Loaded(), nullptr);
    EXPECT_EQ(caption(quiz), showText);
    EXPECT_EQ(caption(verbs), showText);
    EXPECT_EQ(caption(nouns), showText);
    EXPECT_EQ(caption(stranger), hideText);
    EXPECT_EQ(innerButton->text(), hideText);
    ProcessDeletes();
    EXPECT_TRUE(chart.isNull());

    // The button that offers to hide the chart closes it.
    BetaCodeWin::ShowChart();
    button->setText(hideText);
    other->setText(hideText);
    BetaCodeWin::BetaButton_Click(button);
    EXPECT_EQ(button->text(), showText);
    EXPECT_EQ(other->text(), showText);
    EXPECT_EQ(BetaCodeWin::Loaded(), nullptr);
    BetaCodeWin::UnloadChart(); // nothing is loaded: nothing to do
    ProcessDeletes();
}

} // namespace
