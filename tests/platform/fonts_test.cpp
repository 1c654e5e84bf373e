// The fonts of the Data folder join the installed fonts; the built Ortholex shows every Greek
// character of the display-font table, and shows it so that a student can read it at list size.
#include "greek/DisplayFont.h"
#include "platform/Fonts.h"

#include <QFile>
#include <QFont>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

long countOf(const std::vector<std::string>& names, const std::string& name) {
    return std::count(names.begin(), names.end(), name);
}

void addOrtholex() {
    AddFontFiles(std::string(qgetenv("LEXIVO_BUILD_DIR").constData()) + "/Data");
}

// Ortholex at the size of the main window's verb and noun lists.
QFont listFont() {
    QFont font(QStringLiteral("Ortholex"));
    font.setPointSizeF(9.75);
    return font;
}

QString text(char32_t c) {
    return QString::fromUcs4(&c, 1);
}

QImage picture(const QFont& font, const QString& shown) {
    QImage image(40, 40, QImage::Format_Grayscale8);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.drawText(QPointF(10, 30), shown);
    return image;
}

// How much ink lies where the other picture has none, in whole pixels.
double inkDifference(const QImage& a, const QImage& b) {
    int sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            sum += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y)));
    return sum / 255.0;
}

} // namespace

// The Data folder adds Ortholex once, however often it is asked to; a file whose name does not
// end in .ttf or .otf (in any case) is no font to add, whatever it holds.
TEST(Fonts, OrtholexIsAddedOnceAndHoldsEveryGreekCharacterWithinItsLine) {
    const QTemporaryDir folder;
    const QString built = qEnvironmentVariable("LEXIVO_BUILD_DIR") + "/Data/Ortholex.ttf";
    ASSERT_TRUE(QFile::copy(built, folder.filePath("Ortholex.ttf.old")));
    ASSERT_TRUE(QFile::copy(built, folder.filePath("Ortholex")));
    AddFontFiles(folder.path().toStdString());
    EXPECT_EQ(countOf(InstalledFonts(), "Ortholex"), 0);
    ASSERT_TRUE(QFile::copy(built, folder.filePath("ORTHOLEX.TTF")));
    AddFontFiles(folder.path().toStdString());
    EXPECT_EQ(countOf(InstalledFonts(), "Ortholex"), 1);
    addOrtholex();
    addOrtholex();
    EXPECT_EQ(countOf(InstalledFonts(), "Ortholex"), 1);
    EXPECT_EQ(QFontInfo(listFont()).family(), "Ortholex");
    const QFontMetricsF metrics(listFont());
    int greek = 0;
    for (int code = 32; code < 256; ++code) {
        const char32_t c = DisplayCodeToUnicode(static_cast<unsigned char>(code));
        if (c < 0x370 && !(c > 32 && c < 127))
            continue;
        greek += c >= 0x370;
        EXPECT_TRUE(metrics.inFontUcs4(c)) << code;
        // A glyph reaching beyond the line is cut off in list rows and text boxes.
        const QRectF ink = metrics.tightBoundingRect(text(c));
        EXPECT_GE(ink.top(), -metrics.ascent() - 1) << code;
        EXPECT_LE(ink.bottom(), metrics.descent() + 1) << code;
    }
    EXPECT_GT(greek, 140);
    // As a combining mark the breathing before a capital would sit on the blank before it:
    // "ἐν ᾿Αθήναις" would lose the blank.
    for (char32_t mark : {U'\u1FBF', U'\u1FFE', U'\u1FCE', U'\u1FDF'})
        EXPECT_GT(metrics.horizontalAdvance(QStringLiteral(" ") + text(mark)),
                  metrics.horizontalAdvance(QStringLiteral(" ")) + 2)
            << std::hex << unsigned(mark);
}

TEST(Fonts, MarksAreToldApartAtListSize) {
    addOrtholex();
    const QFont font = listFont();
    // Smooth against rough breathing, alone and on vowels with and without an accent, and the
    // circumflex against a macron. Breathings of two or three pixels differ by about one pixel
    // of ink and look alike.
    const struct {
        char32_t a, b;
        double ink;
    } pairs[] = {
        {U'\u1FBF', U'\u1FFE', 3}, {U'\u1F00', U'\u1F01', 3}, {U'\u1F40', U'\u1F41', 3},
        {U'\u1F26', U'\u1F27', 3}, {U'\u1F54', U'\u1F55', 3}, {U'\u1FB6', U'\u1FB1', 4.5},
    };
    for (const auto& pair : pairs)
        EXPECT_GE(inkDifference(picture(font, text(pair.a)), picture(font, text(pair.b))), pair.ink)
            << std::hex << unsigned(pair.a) << " " << unsigned(pair.b);
}
