#include "greek/BetaCode.h"
#include "greek/DisplayFont.h"
#include "greek/GreekStuff.h"

#include <QString>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>

// The letters and precomposed vowels are checked against the alphabet and the Beta table below;
// the named codes are those that neither reaches.
TEST(DisplayFont, EveryCodeShowsItsOwnCharacter) {
    std::set<char32_t> shown;
    for (int code = 0; code < 256; ++code) {
        const char32_t c = DisplayCodeToUnicode(static_cast<unsigned char>(code));
        shown.insert(c);
        EXPECT_EQ(UnicodeToDisplayCode(c), code);
    }
    EXPECT_EQ(shown.size(), 256u);
    // Alpha with oxia is not the NFC form.
    for (char32_t c : {U';', U'\u1F71', U'\u20AC', U'\U0001F600'})
        EXPECT_EQ(UnicodeToDisplayCode(c), -1) << static_cast<int>(c);
    const std::map<int, char32_t> named{
        {128, U'\u1FFD'}, {129, U'\u1FEF'}, {130, U'\u1FC0'}, {59, U'\u037E'}, {'w', U'\u03C2'},
        {'S', U'\u03A3'}, {'q', U'q'},      {'W', U'W'},      {0, U'\0'},      {255, U'\u00FF'}};
    for (auto [code, c] : named)
        EXPECT_EQ(DisplayCodeToUnicode(static_cast<unsigned char>(code)), c) << code;
    char32_t next = U'\u03B1';
    for (const BetaLetterInfo& letter : BetaLetters) {
        const auto display = static_cast<unsigned char>(letter.display);
        EXPECT_EQ(DisplayCodeToUnicode(display), next) << letter.name;
        EXPECT_EQ(DisplayCodeToUnicode(display - 32), next - 0x20) << letter.name;
        next += next == U'\u03C1' ? 2 : 1; // final sigma has a code of its own
    }
}

// The precomposed characters and the breathing glyphs carry exactly the marks that the way
// back to Beta code gives them.
TEST(DisplayFont, PrecomposedCharactersAgreeWithTheBetaTable) {
    const std::map<char16_t, char> markOf{{0x0313, ')'},  {0x0314, '('}, {0x0301, '/'},
                                          {0x0300, '\\'}, {0x0342, '='}, {0x0308, '+'},
                                          {0x0345, '|'}};
    int checked = 0;
    for (int code = 0; code < 256; ++code) {
        const std::string beta = DisplayFontToBeta(std::string(1, static_cast<char>(code)));
        const bool vowel = beta.size() > 1 && beta[0] >= 'a' && beta[0] <= 'z';
        if (!vowel && !(code >= 131 && code <= 138))
            continue;
        const char32_t unicode = DisplayCodeToUnicode(static_cast<unsigned char>(code));
        const QString c = QString::fromUcs4(&unicode, 1);
        EXPECT_EQ(c.normalized(QString::NormalizationForm_C), c) << code;
        const QString parts = c.normalized(QString::NormalizationForm_KD);
        std::multiset<char> marks;
        for (qsizetype k = 1; k < parts.size(); ++k)
            marks.insert(markOf.count(parts[k].unicode()) ? markOf.at(parts[k].unicode()) : '?');
        const std::string expectedBase =
            vowel ? QString::fromStdU32String(
                        DisplayFontToUnicode(BetaToDisplayFont(beta.substr(0, 1))))
                        .toStdString()
                  : " ";
        EXPECT_EQ(QString(parts[0]).toStdString(), expectedBase) << code;
        EXPECT_EQ(marks, std::multiset<char>(beta.begin() + (vowel ? 1 : 0), beta.end())) << code;
        ++checked;
    }
    EXPECT_EQ(checked, 114 + 8);
}
