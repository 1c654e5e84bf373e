#include "data/common/BetaWord.h"

#include "greek/BetaCode.h"

bool IsBetaLetter(char c) {
    for (const BetaLetterInfo& l : BetaLetters) {
        if (l.beta == c)
            return true;
    }
    return false;
}

bool IsBetaMark(char c) {
    return std::string_view(")(/\\=+|").find(c) != std::string_view::npos;
}

bool ReadBetaMarks(std::string_view text, std::size_t& i, LetterMarks& marks) {
    for (; i < text.size() && IsBetaMark(text[i]); ++i) {
        const char c = text[i];
        bool doubled = false;
        if (c == ')' || c == '(') {
            doubled = marks.breathing != 0;
            marks.breathing = c;
        } else if (c == '/' || c == '\\' || c == '=') {
            doubled = marks.accent != 0;
            marks.accent = c;
        } else if (c == '+') {
            doubled = marks.diaeresis;
            marks.diaeresis = true;
        } else {
            doubled = marks.iotaSubscript;
            marks.iotaSubscript = true;
        }
        if (doubled)
            return false;
    }
    return true;
}

std::string SplitBetaWord(std::string_view word, std::vector<BetaLetter>& letters) {
    const std::string doubled = "has two marks of one kind on one letter";
    std::size_t i = 0;
    while (i < word.size()) {
        BetaLetter l;
        if (word[i] == '*') {
            l.capital = true;
            if (!ReadBetaMarks(word, ++i, l.marks))
                return doubled;
            if (i == word.size() || !IsBetaLetter(word[i]))
                return "has a '*' that is not followed by a letter";
        }
        const char c = word[i];
        if (IsBetaMark(c))
            return "has a mark that follows no letter";
        if (c >= 'A' && c <= 'Z')
            return "has a capital ASCII letter; write a capital as '*' before a small letter";
        if (!IsBetaLetter(c))
            return std::string("has '") + c + "', which is no Beta-code letter or mark";
        l.letter = c;
        if (!ReadBetaMarks(word, ++i, l.marks))
            return doubled;
        letters.push_back(l);
    }
    return "";
}
