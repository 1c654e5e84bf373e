#include "BetaToDataFont.h"

#include "SourceError.h"
#include "data/common/BetaWord.h"
#include "greek/Tables.h"

#include <string_view>

namespace {

// The data-file code that stands for exactly this Beta text, found in the table that
// DataFontToBeta reads the other way, so that the two cannot disagree; sigma is the one within a
// word. 0 when no code stands for it.
char FindDataCode(std::string_view beta) {
    for (const DataFontCode& entry : DataFontCodes) {
        if (beta == entry.beta && entry.code != DataFontFinalSigma)
            return static_cast<char>(entry.code);
    }
    return 0;
}

// As FindDataCode, for Beta text that the checks before it have let through.
char DataCode(std::string_view beta, const std::string& word) {
    if (const char code = FindDataCode(beta))
        return code;
    throw SourceError("the data-file font has no code for \"" + std::string(beta) + "\" in \"" +
                      word + "\"");
}

std::string Quoted(char c) {
    return std::string("'") + c + "'";
}

// Reads the marks from position i on; i ends on the first character that is not a mark.
LetterMarks ReadMarks(const std::string& beta, std::size_t& i) {
    LetterMarks m;
    if (!ReadBetaMarks(beta, i, m))
        throw SourceError("two marks of one kind on one letter in \"" + beta + "\"");
    return m;
}

// A breathing, an accent or a diaeresis, or an accent with either, is one code; an iota
// subscript one more.
void AppendSmallLetterMarks(const LetterMarks& m, const std::string& beta, std::string& out) {
    if (m.breathing && m.diaeresis)
        throw SourceError("a breathing and a diaeresis on one letter in \"" + beta + "\"");
    std::string marks;
    if (m.breathing)
        marks += m.breathing;
    if (m.accent)
        marks += m.accent;
    if (m.diaeresis)
        marks += '+';
    if (!marks.empty())
        out += DataCode(marks, beta);
    if (m.iotaSubscript)
        out += DataCode("|", beta);
}

char CapitalMarks(const LetterMarks& m, const std::string& beta) {
    if (m.diaeresis || m.iotaSubscript || !m.breathing)
        throw SourceError(
            "a capital's marks must be a breathing, with or without an accent, in \"" + beta +
            "\"");
    std::string marks{'*', m.breathing};
    if (m.accent)
        marks += m.accent;
    return DataCode(marks, beta);
}

char OtherCharacter(char c, const std::string& beta) {
    if (const char code = FindDataCode(std::string_view(&c, 1)))
        return code;
    throw SourceError("the character " + Quoted(c) + " in \"" + beta +
                      "\" has no place in the data-file font");
}

} // namespace

std::string BetaToDataFont(const std::string& beta) {
    std::string out;
    std::size_t i = 0;
    while (i < beta.size()) {
        const char c = beta[i];
        if (c == '*') {
            ++i;
            const LetterMarks m = ReadMarks(beta, i);
            if (i >= beta.size() || !IsBetaLetter(beta[i]))
                throw SourceError("a capital sign without its letter in \"" + beta + "\"");
            if (m.any())
                out += CapitalMarks(m, beta);
            out += DataCode(std::string{'*', beta[i]}, beta);
            ++i;
            AppendSmallLetterMarks(ReadMarks(beta, i), beta, out);
        } else if (IsBetaLetter(c)) {
            ++i;
            const bool wordEnds = i >= beta.size() || !(IsBetaLetter(beta[i]) || beta[i] == '*');
            out += c == 's' && wordEnds ? static_cast<char>(DataFontFinalSigma)
                                        : DataCode(std::string_view(&c, 1), beta);
            AppendSmallLetterMarks(ReadMarks(beta, i), beta, out);
        } else if (IsBetaMark(c)) {
            throw SourceError("a mark without its letter in \"" + beta + "\"");
        } else {
            out += OtherCharacter(c, beta);
            ++i;
        }
    }
    return out;
}
