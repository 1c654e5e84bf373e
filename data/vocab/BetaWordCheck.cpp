#include "data/vocab/BetaWordCheck.h"

#include "greek/GreekStuff.h"

#include <vector>

namespace {

constexpr std::string_view Letters = "abgdezhqiklmnxoprstufcyw";
constexpr std::string_view Vowels = "aehiouw";
constexpr std::string_view Marks = ")(/\\=+|";

bool IsIn(std::string_view set, char c) {
    return set.find(c) != std::string_view::npos;
}

struct Letter {
    char letter = 0;
    char breathing = 0;
    char accent = 0;
    bool diaeresis = false;
    bool iotaSubscript = false;

    bool hasMarks() const { return breathing || accent || diaeresis || iotaSubscript; }
};

// Adds one mark to a letter; "" or the problem.
std::string AddMark(Letter& l, char mark) {
    char* slot = nullptr;
    if (mark == ')' || mark == '(')
        slot = &l.breathing;
    else if (mark == '/' || mark == '\\' || mark == '=')
        slot = &l.accent;
    if (slot) {
        if (*slot)
            return "has two breathings or two accents on one letter";
        *slot = mark;
        return "";
    }
    bool& flag = mark == '+' ? l.diaeresis : l.iotaSubscript;
    if (flag)
        return "has a mark twice on one letter";
    flag = true;
    return "";
}

// Splits a word into letters with their marks; "" or the problem.
std::string Tokenize(std::string_view word, std::vector<Letter>& letters) {
    std::size_t i = 0;
    while (i < word.size()) {
        Letter l;
        if (word[i] == '*') {
            ++i;
            for (; i < word.size() && IsIn(Marks, word[i]); ++i) {
                if (std::string problem = AddMark(l, word[i]); !problem.empty())
                    return problem;
            }
            if (i == word.size() || !IsIn(Letters, word[i]))
                return "has a '*' that is not followed by a letter";
        }
        char c = word[i];
        if (IsIn(Marks, c))
            return "has a mark that follows no letter";
        if (c >= 'A' && c <= 'Z')
            return "has a capital ASCII letter; write a capital as '*' before a small letter";
        if (!IsIn(Letters, c))
            return std::string("has '") + c + "', which is no Beta-code letter or mark";
        l.letter = c;
        for (++i; i < word.size() && IsIn(Marks, word[i]); ++i) {
            if (std::string problem = AddMark(l, word[i]); !problem.empty())
                return problem;
        }
        letters.push_back(l);
    }
    return "";
}

// Two vowels that sound as one unless a diaeresis parts them.
bool IsDiphthongPair(const Letter& first, const Letter& second) {
    if (second.diaeresis)
        return false;
    std::string pair{first.letter, second.letter};
    for (std::string_view d : {"ai", "ei", "oi", "ui", "au", "eu", "ou", "hu"}) {
        if (pair == d)
            return true;
    }
    return false;
}

} // namespace

std::string BetaWordProblem(std::string_view word) {
    std::string text(word);
    if (SortBetaMarks(text) != text)
        return "has its marks out of order; write breathing, accent, diaeresis, iota subscript";
    std::vector<Letter> letters;
    if (std::string problem = Tokenize(word, letters); !problem.empty())
        return problem;
    if (letters.empty())
        return "has no letter";

    // The letter of each syllable that carries its marks: the vowel, or the second vowel of a
    // diphthong.
    std::vector<std::size_t> syllables;
    for (std::size_t i = 0; i < letters.size(); ++i) {
        if (!IsIn(Vowels, letters[i].letter))
            continue;
        if (i + 1 < letters.size() && IsDiphthongPair(letters[i], letters[i + 1])) {
            if (letters[i].hasMarks())
                return "has a mark on the first vowel of a diphthong; it belongs on the second";
            ++i;
        }
        syllables.push_back(i);
    }

    int accents = 0;
    for (std::size_t i = 0; i < letters.size(); ++i) {
        const Letter& l = letters[i];
        bool vowel = IsIn(Vowels, l.letter);
        if (l.accent == '\\')
            return "has a grave accent; write the acute of the dictionary form";
        if (l.accent && !vowel)
            return "has an accent on a consonant";
        if (l.accent == '=' && (l.letter == 'e' || l.letter == 'o'))
            return "has a circumflex on a short vowel";
        if (l.diaeresis && l.letter != 'i' && l.letter != 'u')
            return "has a diaeresis on a letter other than iota or upsilon";
        if (l.iotaSubscript && l.letter != 'a' && l.letter != 'h' && l.letter != 'w')
            return "has an iota subscript under a letter other than alpha, eta or omega";
        if (l.breathing && !vowel && l.letter != 'r')
            return "has a breathing on a consonant other than rho";
        if (l.breathing == ')' && l.letter == 'r')
            return "has a smooth breathing on rho";
        accents += l.accent ? 1 : 0;
    }
    if (accents > 1)
        return "has more than one accent";

    const Letter& first = letters.front();
    std::size_t breathingAt = letters.size(); // where the word's breathing belongs
    if (first.letter == 'r')
        breathingAt = 0;
    else if (IsIn(Vowels, first.letter))
        breathingAt = syllables.front();
    for (std::size_t i = 0; i < letters.size(); ++i) {
        if (letters[i].breathing && i != breathingAt)
            return "has a breathing that does not belong to its first sound";
    }
    if (breathingAt < letters.size() && !letters[breathingAt].breathing)
        return first.letter == 'r' ? "starts with rho but has no rough breathing"
                                   : "starts with a vowel but has no breathing";

    for (std::size_t s = 0; s < syllables.size(); ++s) {
        std::size_t fromEnd = syllables.size() - s; // 1 for the last syllable
        char accent = letters[syllables[s]].accent;
        if (accent && fromEnd > 3)
            return "has its accent before the third syllable from the end";
        if (accent == '=' && fromEnd > 2)
            return "has a circumflex before the second syllable from the end";
    }
    return "";
}
