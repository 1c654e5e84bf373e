#include "BetaToDataFont.h"

#include "SourceError.h"

#include <cctype>
#include <string_view>

namespace {

constexpr std::string_view Letters = "abgdezhqiklmnxoprstufcyw";

bool IsLetter(char c) {
    return Letters.find(c) != std::string_view::npos;
}
bool IsMark(char c) {
    return std::string_view(")(/\\=+|").find(c) != std::string_view::npos;
}

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

struct Marks {
    char breathing = 0;
    char accent = 0;
    bool diaeresis = false;
    bool iota = false;
};

// Collects the marks from position i on; i ends on the first character that is not a mark.
Marks ReadMarks(const std::string& beta, std::size_t& i) {
    Marks m;
    for (; i < beta.size() && IsMark(beta[i]); ++i) {
        const char c = beta[i];
        bool doubled = false;
        if (c == ')' || c == '(') {
            doubled = m.breathing != 0;
            m.breathing = c;
        } else if (c == '/' || c == '\\' || c == '=') {
            doubled = m.accent != 0;
            m.accent = c;
        } else if (c == '+') {
            doubled = m.diaeresis;
            m.diaeresis = true;
        } else {
            doubled = m.iota;
            m.iota = true;
        }
        if (doubled)
            throw SourceError("two marks of one kind on one letter in \"" + beta + "\"");
    }
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

void AppendSmallLetterMarks(const Marks& m, const std::string& beta, std::string& out) {
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
    if (m.iota)
        out += '/';
}

char CapitalMarks(const Marks& m, const std::string& beta) {
    if (m.diaeresis || m.iota || !m.breathing)
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
            const Marks m = ReadMarks(beta, i);
            if (i >= beta.size() || !IsLetter(beta[i]))
                throw SourceError("a capital sign without its letter in \"" + beta + "\"");
            if (m.breathing || m.accent || m.diaeresis || m.iota)
                out += CapitalMarks(m, beta);
            out += static_cast<char>(std::toupper(static_cast<unsigned char>(DataLetter(beta[i]))));
            ++i;
            AppendSmallLetterMarks(ReadMarks(beta, i), beta, out);
        } else if (IsLetter(c)) {
            ++i;
            const bool wordEnds = i >= beta.size() || !(IsLetter(beta[i]) || beta[i] == '*');
            out += c == 's' && wordEnds ? '"' : DataLetter(c);
            AppendSmallLetterMarks(ReadMarks(beta, i), beta, out);
        } else if (IsMark(c)) {
            throw SourceError("a mark without its letter in \"" + beta + "\"");
        } else {
            out += OtherCharacter(c, beta);
            ++i;
        }
    }
    return out;
}
