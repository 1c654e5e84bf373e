#include "greek/BetaCode.h"
#include "greek/GreekStuff.h"
#include "greek/MarkOrder.h"
#include "greek/Tables.h"

#include <array>
#include <cstddef>

namespace {

using CodeTable = std::array<unsigned char, 256>;

// The display letter of every Beta letter. A typed v is omega, as the font shows it.
constexpr CodeTable DisplayLetters = [] {
    CodeTable letters{};
    for (const BetaLetterInfo& letter : BetaLetters)
        letters[static_cast<unsigned char>(letter.beta)] =
            static_cast<unsigned char>(letter.display);
    letters['v'] = letters['w'];
    return letters;
}();

constexpr CodeTable PunctuationShown = [] {
    CodeTable shown{};
    for (const PunctuationCode& p : Punctuation)
        shown[static_cast<unsigned char>(p.beta)] = static_cast<unsigned char>(p.display);
    return shown;
}();

constexpr std::array<unsigned char, 256> VowelMarkBits = [] {
    std::array<unsigned char, 256> bits{};
    for (const VowelMarkChar& m : VowelMarkChars)
        bits[static_cast<unsigned char>(m.beta)] = static_cast<unsigned char>(m.mark);
    return bits;
}();

constexpr int NoColumn = -1;

// The grid column of every vowel (and of rho); v shares omega's.
constexpr std::array<signed char, 256> VowelColumns = [] {
    std::array<signed char, 256> columns{};
    columns.fill(NoColumn);
    for (int col = 0; col < GridColumns; ++col)
        columns[static_cast<unsigned char>(GridVowels[col])] = static_cast<signed char>(col);
    columns['v'] = columns['w'];
    return columns;
}();

constexpr unsigned char GridCode(int column, unsigned marks) {
    for (const VowelGridRow& row : VowelGrid) {
        if (row.marks == marks)
            return row.codes[static_cast<std::size_t>(column)];
    }
    return 0;
}

// Which precomposed character a vowel with a set of marks is shown as; 0 when it is shown bare.
// The rules are tried in order and the first one that finds a character decides.
constexpr unsigned char ChooseVowelCode(int column, unsigned marks) {
    const bool smooth = marks & Smooth, rough = marks & Rough;
    const bool acute = marks & Acute, grave = marks & Grave, circumflex = marks & Circumflex;
    const bool b = smooth || rough, a = acute || grave || circumflex;
    const bool d = marks & Diaeresis, i = marks & IotaSub;
    unsigned char code = 0;
    auto tryRow = [&](bool wanted, unsigned row) {
        if (code == 0 && wanted)
            code = GridCode(column, row);
    };
    auto tryAccents = [&](unsigned with) {
        tryRow(acute, Acute | with);
        tryRow(grave, Grave | with);
        tryRow(circumflex, Circumflex | with);
    };
    if (b && !a && !d && !i) {
        tryRow(smooth, Smooth);
        tryRow(rough, Rough);
    }
    if (a && !b && !d && !i)
        tryAccents(0);
    if (i && !b && !a && !d)
        tryRow(true, IotaSub);
    if (d && !b && !a && !i)
        tryRow(true, Diaeresis);
    if (b && a && !i && !d) {
        if (smooth && !rough)
            tryAccents(Smooth);
        if (rough && !smooth)
            tryAccents(Rough);
    }
    if (b && i && !a) {
        tryRow(smooth, Smooth | IotaSub);
        tryRow(rough, Rough | IotaSub);
    }
    if (a && i && !b)
        tryAccents(IotaSub);
    if (a && d) {
        tryRow(acute, Acute | Diaeresis);
        tryRow(grave, Grave | Diaeresis);
    }
    if (b && a && i) {
        if (smooth)
            tryAccents(Smooth | IotaSub);
        if (rough)
            tryAccents(Rough | IotaSub);
    }
    return code;
}

constexpr auto VowelCodes = [] {
    std::array<std::array<unsigned char, VowelMarkCombinations>, GridColumns> codes{};
    for (int col = 0; col < GridColumns; ++col) {
        for (unsigned marks = 0; marks < VowelMarkCombinations; ++marks)
            codes[static_cast<std::size_t>(col)][marks] = ChooseVowelCode(col, marks);
    }
    return codes;
}();

constexpr std::size_t MostVowelMarks = 4;
constexpr std::size_t MostCapitalMarks = 3;

unsigned char At(const std::string& text, std::size_t i) {
    return static_cast<unsigned char>(text[i]);
}

// A capital marker at i: its breathing glyph, if any, and the capital letter. The capital's marks
// stand between the marker and the letter; those without a glyph (diaeresis, iota subscript) are
// dropped. A marker whose marks are followed by anything but a letter is shown as a blank, and
// that character is left for what follows. Returns the position after the capital.
std::size_t AppendCapital(const std::string& beta, std::size_t i, std::string& out) {
    bool breathing[2] = {false, false}; // smooth, rough
    bool accent[3] = {false, false, false};
    unsigned char piece = ' ';
    std::size_t k = i + 1;
    for (std::size_t examined = 0; examined < MostCapitalMarks && k < beta.size(); ++examined) {
        const unsigned char c = At(beta, k);
        if (DisplayLetters[c] != 0) {
            piece = static_cast<unsigned char>(DisplayLetters[c] - 32);
            ++k;
            break;
        }
        if (MarkGroup(static_cast<char>(c)) == 0)
            break;
        ++k;
        for (int b = 0; b < 2; ++b)
            breathing[b] = breathing[b] || c == static_cast<unsigned char>(CapitalBreathings[b]);
        for (int a = 0; a < 3; ++a)
            accent[a] = accent[a] || c == static_cast<unsigned char>(CapitalAccents[a]);
    }
    const int row = breathing[0] ? 0 : breathing[1] ? 1 : -1;
    if (row >= 0) {
        const int column = accent[0] ? 1 : accent[1] ? 2 : accent[2] ? 3 : 0;
        out += static_cast<char>(CapitalBreathingGlyphs[row][column]);
    }
    out += static_cast<char>(piece);
    return k;
}

// A vowel or rho at i with the marks right after it; any other character ends its marks.
// Returns the position after its marks.
std::size_t AppendVowel(const std::string& beta, std::size_t i, std::string& out) {
    const unsigned char vowel = At(beta, i);
    unsigned marks = 0;
    std::size_t k = i + 1;
    while (k < beta.size() && k <= i + MostVowelMarks && VowelMarkBits[At(beta, k)] != 0)
        marks |= VowelMarkBits[At(beta, k++)];
    const unsigned char code = VowelCodes[static_cast<std::size_t>(VowelColumns[vowel])][marks];
    out += static_cast<char>(code != 0 ? code : DisplayLetters[vowel]);
    return k;
}

} // namespace

std::string BetaToDisplayFont(const std::string& text) {
    std::string beta = text;
    for (char& c : beta) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    SortBetaMarksInPlace(beta);

    std::string out;
    out.reserve(beta.size());
    std::size_t i = 0;
    while (i < beta.size()) {
        const unsigned char c = At(beta, i);
        if (c == '*') {
            i = AppendCapital(beta, i, out);
        } else if (PunctuationShown[c] != 0) {
            out += static_cast<char>(PunctuationShown[c]);
            ++i;
        } else if (VowelColumns[c] != NoColumn) {
            i = AppendVowel(beta, i, out);
        } else if (DisplayLetters[c] != 0) {
            const bool final =
                c == 's' && (i + 1 == beta.size() || PunctuationShown[At(beta, i + 1)] != 0);
            out += final ? DisplayFinalSigma : static_cast<char>(DisplayLetters[c]);
            ++i;
        } else {
            out += static_cast<char>(c);
            ++i;
        }
    }
    return out;
}
