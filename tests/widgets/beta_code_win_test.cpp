#include "widgets/BetaCodeWin.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

const QString showText = "Show Beta-Code Template";
const QString hideText = "Hide Beta-Code Template";

// Makes window a stand-in for a drill window of that name, with its BetaButton.
QPushButton* BetaButtonIn(QWidget* window, const char* name) {
    window->setObjectName(name);
    auto* button = new QPushButton(hideText, window);
    button->setObjectName("BetaButton");
    window->show();
    return button;
}

TEST(BetaCodeWinTest, TheBetaButtonsOpenOneChartThatClosingResetsByWindowName) {
    QWidget quizWin, verbWin, nounWin, strangerWin, outer;
    QPushButton* quiz = BetaButtonIn(&quizWin, "QuizWindow");
    QPushButton* verbs = BetaButtonIn(&verbWin, "VerbQuizWindow");
    verbWin.hide(); // loaded but hidden
    QPushButton* nouns = BetaButtonIn(&nounWin, "NounQuizWindow");
    QPushButton* stranger = BetaButtonIn(&strangerWin, "SaveWin");
    QPushButton* inner = BetaButtonIn(new QWidget(&outer), "QuizWindow"); // not a top-level window

    quiz->setText(showText);
    BetaCodeWin::BetaButton_Click(quiz);
    QPointer<BetaCodeWin> chart = BetaCodeWin::Loaded();
    ASSERT_NE(chart, nullptr);
    EXPECT_TRUE(chart->isVisible());
    // The picture fills the window, corner to corner.
    const QImage picture = chart->grab().toImage();
    EXPECT_EQ(picture.size(), QSize(472, 147));
    EXPECT_EQ(picture.pixelColor(471, 146), picture.pixelColor(0, 0));
    EXPECT_NE(picture.pixelColor(471, 146), chart->palette().color(QPalette::Window));
    EXPECT_EQ(quiz->text(), hideText);
    // Opened again from another window, it is still the one chart.
    nouns->setText(showText);
    BetaCodeWin::BetaButton_Click(nouns);
    EXPECT_EQ(BetaCodeWin::Loaded(), chart);

    chart->close(); // as by its close box
    EXPECT_EQ(BetaCodeWin::Loaded(), nullptr);
    for (QPushButton* button : {quiz, verbs, nouns, stranger, inner})
        EXPECT_EQ(button->text(), button == stranger || button == inner ? hideText : showText)
            << button->parent()->objectName().toStdString();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(chart.isNull());

    // The button that offers to hide the chart closes it.
    BetaCodeWin::ShowChart();
    quiz->setText(hideText);
    nouns->setText(hideText);
    BetaCodeWin::BetaButton_Click(quiz);
    EXPECT_EQ(quiz->text() + nouns->text(), showText + showText);
    EXPECT_EQ(BetaCodeWin::Loaded(), nullptr);
    BetaCodeWin::UnloadChart(); // nothing is loaded: nothing to do
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace
