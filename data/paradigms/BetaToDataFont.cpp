#include "BetaToDataFont.h"

#include "SourceError.h"
#include "data/common/BetaWord.h"

#include <cctype>

namespace {

// Beta swaps xi and chi against the data font; every other letter keeps its character.
char DataLetter(char beta) {
    if (beta == 'x')
        return 'c';
    if (beta == 'c')
        return 'x';
    return beta;
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

char BreathingWithAccent(char breathing, char accent) {
    const bool smooth = breathing == ')';
    switch (accent) {
    case '/':
        return smooth ? '[' : '{';
    case '=':
        return smooth ? '\\' : '|';
    default:
        return smooth ? ']' : '}';
    }
}

void AppendSmallLetterMarks(const LetterMarks& m, const std::string& beta, std::string& out) {
    if (m.breathing && m.diaeresis)
        throw SourceError("a breathing and a diaeresis on one letter in \"" + beta + "\"");
    if (m.breathing && m.accent)
        out += BreathingWithAccent(m.breathing, m.accent);
    else if (m.breathing)
        out += m.breathing == ')' ? 'j' : 'J';
    else if (m.accent && m.diaeresis)
        out += static_cast<char>(m.accent == '/' ? '?' : m.accent == '=' ? 192 : 214);
    else if (m.accent)
        out += m.accent == '/' ? 'v' : m.accent == '=' ? '\'' : ';';
    else if (m.diaeresis)
        out += '>';
    if (m.iotaSubscript)
        out += '/';
}

char CapitalMarks(const LetterMarks& m, const std::string& beta) {
    if (m.diaeresis || m.iotaSubscript || !m.breathing)
        throw SourceError(
            "a capital's marks must be a breathing, with or without an accent, in \"" + beta +
            "\"");
    const bool smooth = m.breathing == ')';
    switch (m.accent) {
    case 0:
        return static_cast<char>(smooth ? 198 : 239);
    case '/':
        return static_cast<char>(smooth ? 210 : 211);
    case '=':
        return static_cast<char>(smooth ? 199 : 200);
    default:
        return static_cast<char>(smooth ? 212 : 213);
    }
}

char OtherCharacter(char c, const std::string& beta) {
    switch (c) {
    case ' ':
    case ',':
    case '.':
    case ':':
        return c;
    case '[':
        return '(';
    case ']':
        return ')';
    case '?':
        return static_cast<char>(201);
    case '\'':
        return static_cast<char>(190);
    case '"':
        return static_cast<char>(174);
    default:
        if (c >= '0' && c <= '9')
            return c;
        throw SourceError("the character " + Quoted(c) + " in \"" + beta +
                          "\" has no place in the data-file font");
    }
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
            out += static_cast<char>(std::toupper(static_cast<unsigned char>(DataLetter(beta[i]))));
            ++i;
            AppendSmallLetterMarks(ReadMarks(beta, i), beta, out);
        } else if (IsBetaLetter(c)) {
            ++i;
            const bool wordEnds = i >= beta.size() || !(IsBetaLetter(beta[i]) || beta[i] == '*');
            out += c == 's' && wordEnds ? '"' : DataLetter(c);
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
