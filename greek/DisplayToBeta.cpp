#include "greek/BetaCode.h"
#include "greek/GreekStuff.h"
#include "greek/MarkOrder.h"
#include "greek/Tables.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace {

// The Beta text of a display code; length 0 when the code comes back as itself.
struct BetaPiece {
    char text[5] = {};
    unsigned char length = 0;

    constexpr void Append(char c) { text[length++] = c; }
    constexpr std::string_view View() const { return {text, length}; }
};

using BackTable = std::array<BetaPiece, 256>;

constexpr BetaPiece Piece(char first) {
    BetaPiece piece;
    piece.Append(first);
    return piece;
}

// Every table of the way there, read backwards.
constexpr BackTable MakeBackTable() {
    BackTable back{};
    for (const BetaLetterInfo& letter : BetaLetters) {
        const auto display = static_cast<unsigned char>(letter.display);
        back[display] = Piece(letter.beta);
        back[display - 32] = Piece('*');
        back[display - 32].Append(letter.beta);
    }
    back[static_cast<unsigned char>(DisplayFinalSigma)] = Piece('s');
    for (int row = 0; row < 2; ++row) {
        back[CapitalBreathingGlyphs[row][0]] = Piece(CapitalBreathings[row]);
        for (int a = 0; a < 3; ++a) {
            BetaPiece& piece = back[CapitalBreathingGlyphs[row][a + 1]];
            piece = Piece(CapitalBreathings[row]);
            piece.Append(CapitalAccents[a]);
        }
    }
    for (int a = 0; a < 3; ++a)
        back[LoneAccentGlyphs[a]] = Piece(CapitalAccents[a]);
    for (const PunctuationCode& p : DisplayPunctuationBack)
        back[static_cast<unsigned char>(p.display)] = Piece(p.beta);
    for (const VowelGridRow& row : VowelGrid) {
        for (int col = 0; col < GridColumns; ++col) {
            const unsigned char code = row.codes[static_cast<std::size_t>(col)];
            if (code == 0)
                continue;
            BetaPiece& piece = back[code];
            piece = Piece(GridVowels[col]);
            for (const VowelMarkChar& m : VowelMarkChars) {
                if (row.marks & m.mark)
                    piece.Append(m.beta);
            }
        }
    }
    return back;
}

constexpr BackTable DisplayBack = MakeBackTable();

constexpr int CountEntries() {
    int count = 0;
    for (const BetaPiece& piece : DisplayBack)
        count += piece.length > 0;
    return count;
}
// 49 letters, 11 mark glyphs, 2 punctuation codes and 114 precomposed characters, none twice.
static_assert(CountEntries() == 176);

} // namespace

std::string DisplayFontToBeta(const std::string& text) {
    std::string beta;
    beta.reserve(text.size() + text.size() / 2);
    for (char c : text) {
        const BetaPiece& piece = DisplayBack[static_cast<unsigned char>(c)];
        if (piece.length == 0)
            beta += c;
        else
            beta += piece.View();
    }
    SortBetaMarksInPlace(beta);
    return beta;
}
