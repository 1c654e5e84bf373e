#include "greek/BetaCode.h"
#include "greek/GreekStuff.h"
#include "widgets/BetaCodeWin.h"
#include "widgets/BetaCodeWinChart.h"
#include "widgets/DisplayFontText.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace {

const QString showText = "Show Beta-Code Template";
const QString hideText = "Hide Beta-Code Template";

// What the chart paints, recorded: every text with where it stands and its colour, every line
// with its colour.
class ChartRecorder : public QPaintDevice {
public:
    struct Text {
        QString text;
        double left, right, top, baseline;
        QColor color;
        QFont font;
        double middle() const { return (left + right) / 2; }
    };
    struct Line {
        QLineF line;
        QColor color;
    };
    std::vector<Text> texts;
    std::vector<Line> lines;

    ChartRecorder() : engine_(this) {
        QPainter painter(this);
        PaintBetaChart(painter);
    }
    QPaintEngine* paintEngine() const override { return &engine_; }

protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
        case PdmWidth:
            return BetaChartSize.width();
        case PdmHeight:
            return BetaChartSize.height();
        case PdmWidthMM:
            return BetaChartSize.width() * 254 / 960;
        case PdmHeightMM:
            return BetaChartSize.height() * 254 / 960;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return 0xffffff;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        }
        return 0;
    }

private:
    class Engine : public QPaintEngine {
    public:
        explicit Engine(ChartRecorder* to) : QPaintEngine(AllFeatures), to_(to) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        Type type() const override { return User; }
        void updateState(const QPaintEngineState& state) override {
            if (state.state() & DirtyPen)
                pen_ = state.pen();
        }
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawPath(const QPainterPath&) override {}
        void drawTextItem(const QPointF& at, const QTextItem& item) override {
            const QFontMetricsF metrics(item.font());
            to_->texts.push_back({item.text(), at.x(),
                                  at.x() + metrics.horizontalAdvance(item.text()),
                                  at.y() - metrics.ascent(), at.y(), pen_.color(), item.font()});
        }
        void drawLines(const QLineF* lines, int count) override {
            for (int i = 0; i < count; ++i)
                to_->lines.push_back({lines[i], pen_.color()});
        }
        void drawLines(const QLine* lines, int count) override {
            for (int i = 0; i < count; ++i)
                to_->lines.push_back({QLineF(lines[i]), pen_.color()});
        }

    private:
        ChartRecorder* to_;
        QPen pen_;
    };
    mutable Engine engine_;
};

// The Beta code that a text of the chart shows in Greek.
std::string BetaOf(const QString& greek) {
    return DisplayFontToBeta(DisplayFontFromQString(greek));
}

// The chart announces each unloading, however it comes, and touches no button but the one
// clicked: the drill windows reset their own (see their tests).
TEST(BetaCodeWinTest, TheBetaButtonsOpenOneChartThatAnnouncesItsUnloading) {
    QSignalSpy unloaded(&BetaCodeWin::Signals(), &BetaChartSignals::Unloaded);
    QPushButton quiz(showText), nouns(showText), other(hideText);
    BetaCodeWin::BetaButton_Click(&quiz);
    QPointer<BetaCodeWin> chart = BetaCodeWin::Loaded();
    ASSERT_NE(chart, nullptr);
    EXPECT_TRUE(chart->isVisible());
    EXPECT_EQ(chart->windowTitle(), "How to type Greek in Beta-Code");
    EXPECT_EQ(chart->objectName(), "BetaCodeWin");
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

    // Closed by its close box while the program runs, even as the only window shown, it does not
    // count as the program's last window.
    QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
    QTimer::singleShot(0, chart, [&] {
        chart->close();
        QCoreApplication::exit(7);
    });
    EXPECT_EQ(QApplication::exec(), 7);
    EXPECT_EQ(lastClosed.count(), 0);
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

// The chart as a student reads it: the letters in a grid of three rows in the order of the
// Beta-code letters, each Greek letter over the key that types it and inside its cell; then, past a
// pale rule, a row for each mark: its key, what it stands for, a letter typed with it and that
// letter in Greek, left to right, none running into the next or out of the chart.
TEST(BetaCodeWinTest, TheChartShowsEachLetterAndMarkWithItsKey) {
    const ChartRecorder chart;
    const auto shown = [&](auto&& is) {
        const auto found = std::find_if(chart.texts.begin(), chart.texts.end(), is);
        return found == chart.texts.end() ? nullptr : &*found;
    };
    const auto key = [&](char beta) {
        return shown([&](const auto& t) { return t.text == QString(QChar::fromLatin1(beta)); });
    };
    for (const auto& t : chart.texts)
        EXPECT_TRUE(t.left >= 0 && t.top >= 0 && t.right <= BetaChartSize.width() &&
                    t.baseline < BetaChartSize.height())
            << t.text.toStdString();
    const ChartRecorder::Text *first = key('a'), *second = key('b'), *ninth = key('i');
    ASSERT_TRUE(first && second && ninth);
    const double columnWidth = second->middle() - first->middle();
    const double rowHeight = ninth->baseline - first->baseline;
    const QColor keyColor = first->color, inkColor = chart.texts.front().color;
    EXPECT_NE(inkColor, keyColor);
    double lettersRight = 0;
    for (std::size_t i = 0; i < BetaLetters.size(); ++i) {
        SCOPED_TRACE(BetaLetters[i].name);
        const char beta = BetaLetters[i].beta;
        const ChartRecorder::Text* letterKey = key(beta);
        const ChartRecorder::Text* greek = shown([&](const auto& t) {
            return BetaOf(t.text) == (beta == 's' ? "s s" : std::string(1, beta));
        });
        ASSERT_TRUE(letterKey && greek);
        EXPECT_NEAR(letterKey->middle(), first->middle() + double(i % 8) * columnWidth, 0.5);
        EXPECT_NEAR(letterKey->baseline, first->baseline + double(i / 8) * rowHeight, 0.5);
        EXPECT_NEAR(greek->middle(), letterKey->middle(), 1.5);
        EXPECT_LT(greek->right - greek->left, columnWidth);
        EXPECT_LT(greek->baseline, letterKey->baseline);
        EXPECT_GT(greek->baseline, letterKey->baseline - rowHeight / 2);
        // The Greek letter is the larger, in a font of its own.
        EXPECT_GT(greek->baseline - greek->top, letterKey->baseline - letterKey->top);
        EXPECT_NE(greek->font.family(), letterKey->font.family());
        EXPECT_EQ(letterKey->color.name() + greek->color.name(), keyColor.name() + inkColor.name());
        lettersRight = std::max(lettersRight, greek->right);
    }

    // The rules are pale, one colour for all; one of them parts the letters from the marks.
    double divider = 0;
    for (const auto& [line, color] : chart.lines) {
        EXPECT_EQ(color, chart.lines.front().color);
        EXPECT_GT(qGray(color.rgb()), std::max(qGray(keyColor.rgb()), qGray(inkColor.rgb())) + 60);
        if (std::abs(line.dx()) < std::abs(line.dy()) &&
            std::min(line.x1(), line.x2()) > lettersRight)
            divider = std::max(line.x1(), line.x2());
    }
    EXPECT_GT(divider, lettersRight);
    // Between the letters the rules part the three rows and the eight columns: two across, each
    // between a row's keys and the next row's letters, and seven down, each the grid's full height.
    const double lastKeys = first->baseline + 2 * rowHeight;
    double lettersTop = lastKeys;
    for (const auto& t : chart.texts)
        if (t.right < divider)
            lettersTop = std::min(lettersTop, t.top);
    int across = 0, down = 0;
    for (const auto& [line, color] : chart.lines) {
        if (std::max(line.x1(), line.x2()) >= divider)
            continue;
        if (std::abs(line.dx()) > std::abs(line.dy())) {
            ++across;
            EXPECT_GT(line.y1(), first->baseline);
            EXPECT_LT(line.y1(), lastKeys - rowHeight / 2);
            EXPECT_LE(std::min(line.x1(), line.x2()), first->left);
            EXPECT_GE(std::max(line.x1(), line.x2()), lettersRight);
        } else {
            ++down;
            EXPECT_LE(std::min(line.y1(), line.y2()), lettersTop);
            EXPECT_GE(std::max(line.y1(), line.y2()), lastKeys);
        }
    }
    EXPECT_EQ(across, 2);
    EXPECT_EQ(down, 7);

    double markPitch = 0;
    for (std::size_t i = 0; i < BetaMarks.size(); ++i) {
        SCOPED_TRACE(BetaMarks[i].meaning);
        const ChartRecorder::Text* markKey = key(BetaMarks[i].beta);
        ASSERT_NE(markKey, nullptr);
        std::vector<ChartRecorder::Text> row;
        for (const auto& t : chart.texts)
            if (std::abs(t.baseline - markKey->baseline) < 0.5 && t.left > divider)
                row.push_back(t);
        std::sort(row.begin(), row.end(), [](auto& a, auto& b) { return a.left < b.left; });
        ASSERT_EQ(row.size(), 4u);
        EXPECT_EQ(row[0].text, markKey->text);
        EXPECT_EQ(row[1].text.toStdString(), BetaMarks[i].meaning);
        const std::string example = row[2].text.toStdString();
        EXPECT_EQ(example.size(), 2u) << example;
        EXPECT_EQ(StripBetaMarks(example).size(), 1u) << example; // a letter and the mark
        EXPECT_NE(example.find(BetaMarks[i].beta), std::string::npos) << example;
        EXPECT_EQ(row[3].text, DisplayFontToQString(BetaToDisplayFont(example))) << example;
        EXPECT_EQ(row[3].text.size(), 1) << example; // the mark on its letter, one character
        // Keys and typed letters in the keys' font, Greek in the letters' Greek font.
        EXPECT_EQ(row[0].font.family() + row[2].font.family() + row[3].font.family(),
                  first->font.family() + first->font.family() + chart.texts.front().font.family());
        EXPECT_NE(row[1].font.family(), first->font.family());
        EXPECT_NE(row[3].text, DisplayFontToQString(BetaToDisplayFont(StripBetaMarks(example))));
        EXPECT_EQ(row[0].color.name() + row[1].color.name() + row[2].color.name() +
                      row[3].color.name(),
                  keyColor.name() + inkColor.name() + keyColor.name() + inkColor.name());
        for (std::size_t k = 0; k + 1 < row.size(); ++k)
            EXPECT_LT(row[k].right + 1, row[k + 1].left) << k;
        // The typed letter stands close before its Greek, nearer than its own width.
        EXPECT_LT(row[3].left - row[2].right, row[2].right - row[2].left) << example;
        if (i == 1)
            markPitch = markKey->baseline - key(BetaMarks[0].beta)->baseline;
        EXPECT_NEAR(markKey->baseline, key(BetaMarks[0].beta)->baseline + double(i) * markPitch,
                    0.5);
    }
    EXPECT_GT(markPitch, 12);
}

} // namespace
