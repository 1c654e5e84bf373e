#include "widgets/BetaCodeWinChart.h"

#include "greek/BetaCode.h"
#include "greek/GreekStuff.h"
#include "widgets/DisplayFontText.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <string>

namespace {

// The display font when it is installed, else a font with polytonic Greek.
QFont GreekFont(int pixelSize) {
    QFont font;
    font.setFamilies({QStringLiteral("Ortholex"), QStringLiteral("DejaVu Serif")});
    font.setPixelSize(pixelSize);
    return font;
}

QFont KeyFont(int pixelSize) {
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Monospace")});
    font.setStyleHint(QFont::Monospace);
    font.setBold(true);
    font.setPixelSize(pixelSize);
    return font;
}

QFont LabelFont(int pixelSize) {
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
    font.setPixelSize(pixelSize);
    return font;
}

QString Greek(const std::string& beta) {
    return DisplayFontToQString(BetaToDisplayFont(beta));
}

// A mark shown on a letter it goes with; the capital's mark stands before its letter.
std::string MarkExample(char mark) {
    if (mark == '*')
        return "*a";
    return std::string(1, mark == '+' ? 'i' : 'a') + mark;
}

const QColor ink(0x20, 0x20, 0x20);
const QColor keyInk(0x1a, 0x4d, 0x8c);
const QColor rule(0xc8, 0xd0, 0xdc);

constexpr int letterColumns = 8, letterWidth = 34, letterHeight = 47, left = 4, top = 3;
constexpr int marksLeft = left + letterColumns * letterWidth + 10;
constexpr double markHeight = 3.0 * letterHeight / BetaMarks.size();

void PaintLetters(QPainter& painter) {
    painter.setPen(rule);
    for (int row = 1; row < 3; ++row)
        painter.drawLine(left, top + row * letterHeight, marksLeft - 10, top + row * letterHeight);
    for (int column = 1; column < letterColumns; ++column)
        painter.drawLine(left + column * letterWidth, top, left + column * letterWidth,
                         top + 3 * letterHeight);

    for (std::size_t i = 0; i < BetaLetters.size(); ++i) {
        const BetaLetterInfo& letter = BetaLetters[i];
        const QRect cell(left + int(i % letterColumns) * letterWidth,
                         top + int(i / letterColumns) * letterHeight, letterWidth, letterHeight);
        QString greek = DisplayFontToQString(std::string(1, letter.display));
        if (letter.beta == 's')
            greek += QStringLiteral(" ") + DisplayFontToQString(std::string(1, DisplayFinalSigma));
        painter.setPen(ink);
        painter.setFont(GreekFont(21));
        painter.drawText(cell.adjusted(0, 2, 0, -letterHeight / 2), Qt::AlignCenter, greek);
        painter.setPen(keyInk);
        painter.setFont(KeyFont(15));
        painter.drawText(cell.adjusted(0, letterHeight / 2, 0, -2), Qt::AlignCenter,
                         QString(QChar::fromLatin1(letter.beta)));
    }
}

// Draws text on a baseline, its middle (alignment 0.5) or its right end (1) at x.
void DrawOnBaseline(QPainter& painter, const QFont& font, const QColor& color, const QString& text,
                    double x, double alignment, double baseline) {
    painter.setPen(color);
    painter.setFont(font);
    const double advance = QFontMetricsF(font).horizontalAdvance(text);
    painter.drawText(QPointF(x - alignment * advance, baseline), text);
}

void PaintMarks(QPainter& painter) {
    painter.setPen(rule);
    painter.drawLine(marksLeft - 5, top, marksLeft - 5, top + 3 * letterHeight);
    const double width = BetaChartSize.width() - marksLeft - 2;
    for (std::size_t i = 0; i < BetaMarks.size(); ++i) {
        const BetaMarkInfo& mark = BetaMarks[i];
        // A row shares one baseline at its foot, so that a vowel with its tall marks fills its
        // row and no more; centred in the row, the marks would reach into the row above.
        const double baseline = top + double(i + 1) * markHeight - 1;
        const std::string example = MarkExample(mark.beta);
        DrawOnBaseline(painter, KeyFont(15), keyInk, QString(QChar::fromLatin1(mark.beta)),
                       marksLeft + 7, 0.5, baseline);
        DrawOnBaseline(painter, LabelFont(11), ink, QString::fromLatin1(mark.meaning),
                       marksLeft + 18, 0, baseline);
        DrawOnBaseline(painter, KeyFont(11), keyInk, QString::fromLatin1(example),
                       marksLeft + width - 24, 1, baseline);
        DrawOnBaseline(painter, GreekFont(14), ink, Greek(example), marksLeft + width - 11, 0.5,
                       baseline);
    }
}

} // namespace

void PaintBetaChart(QPainter& painter) {
    painter.fillRect(QRect(QPoint(0, 0), BetaChartSize), QColor(0xfd, 0xfc, 0xf7));
    painter.setRenderHint(QPainter::TextAntialiasing);
    PaintLetters(painter);
    PaintMarks(painter);
}
