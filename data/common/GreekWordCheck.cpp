#include "data/common/GreekWordCheck.h"

#include "data/common/BetaWord.h"
#include "greek/GreekStuff.h"

#include <vector>

namespace {

bool IsVowel(char c) {
    return std::string_view("aehiouw").find(c) != std::string_view::npos;
}

// Two vowels that sound as one unless a diaeresis parts them.
bool IsDiphthong(const BetaLetter& first, const BetaLetter& second) {
    if (second.marks.diaeresis)
        return false;
    const std::string pair{first.letter, second.letter};
    for (std::string_view d : {"ai", "ei", "oi", "ui", "au", "eu", "ou", "hu"}) {
        if (pair == d)
            return true;
    }
    return false;
}

// A vowel or diphthong: its vowels and the letter that carries its marks (the second vowel of a
// diphthong).
struct Syllable {
    std::string vowels;
    std::size_t at = 0;
};

// Long for certain: eta, omega, a vowel with iota subscript, a diphthong, except a final -ai or
// -oi, which counts short for the accent in most forms.
bool CertainlyLong(const Syllable& s, const std::vector<BetaLetter>& letters) {
    if (letters[s.at].marks.iotaSubscript || s.vowels == "h" || s.vowels == "w")
        return true;
    if (s.vowels.size() == 2)
        return !(s.at + 1 == letters.size() && (s.vowels == "ai" || s.vowels == "oi"));
    return false;
}

bool CertainlyShort(const Syllable& s) {
    return s.vowels == "e" || s.vowels == "o";
}

// An enclitic written together with the word before it keeps that word's accent: ou)/te,
// w(/sper, ei)/qe, h(/de.
bool EndsInEnclitic(const std::vector<BetaLetter>& letters) {
    std::string word;
    for (const BetaLetter& l : letters)
        word += l.letter;
    for (std::string_view enclitic : {"te", "qe", "ge", "de", "per"}) {
        if (word.size() > enclitic.size() && word.ends_with(enclitic))
            return true;
    }
    return false;
}

std::string LetterProblem(const BetaLetter& l) {
    const LetterMarks& m = l.marks;
    const bool vowel = IsVowel(l.letter);
    if (m.accent == '\\')
        return "has a grave accent; write the acute of the dictionary form";
    if (m.accent && !vowel)
        return "has an accent on a consonant";
    if (m.accent == '=' && (l.letter == 'e' || l.letter == 'o'))
        return "has a circumflex on a short vowel";
    if (m.diaeresis && l.letter != 'i' && l.letter != 'u')
        return "has a diaeresis on a letter other than iota or upsilon";
    if (m.iotaSubscript && l.letter != 'a' && l.letter != 'h' && l.letter != 'w')
        return "has an iota subscript under a letter other than alpha, eta or omega";
    if (m.breathing && !vowel && l.letter != 'r')
        return "has a breathing on a consonant other than rho";
    if (m.breathing == ')' && l.letter == 'r')
        return "has a smooth breathing on rho";
    return "";
}

std::string BreathingProblem(const std::vector<BetaLetter>& letters,
                             const std::vector<Syllable>& syllables) {
    const char first = letters.front().letter;
    std::size_t breathingAt = letters.size(); // where the word's breathing belongs
    if (first == 'r')
        breathingAt = 0;
    else if (IsVowel(first))
        breathingAt = syllables.front().at;
    for (std::size_t i = 0; i < letters.size(); ++i) {
        if (letters[i].marks.breathing && i != breathingAt)
            return "has a breathing that does not belong to its first sound";
    }
    if (breathingAt < letters.size() && !letters[breathingAt].marks.breathing)
        return first == 'r' ? "starts with rho but has no rough breathing"
                            : "starts with a vowel but has no breathing";
    return "";
}

std::string AccentProblem(const std::vector<BetaLetter>& letters,
                          const std::vector<Syllable>& syllables, Accents accents) {
    std::size_t count = 0, accented = 0;
    for (std::size_t s = 0; s < syllables.size(); ++s) {
        if (letters[syllables[s].at].marks.accent) {
            ++count;
            accented = s;
        }
    }
    if (count > 1)
        return "has more than one accent";
    if (count == 0)
        return accents == Accents::Required ? "has no accent" : "";

    const char accent = letters[syllables[accented].at].marks.accent;
    const std::size_t fromEnd = syllables.size() - accented; // 1 for the last syllable
    const Syllable& last = syllables.back();
    if (fromEnd > 3)
        return "has its accent before the third syllable from the end";
    if (accent == '=' && fromEnd > 2)
        return "has a circumflex before the second syllable from the end";
    const bool longLast = CertainlyLong(last, letters);
    if (accent == '/' && fromEnd == 3 && longLast &&
        !(syllables[syllables.size() - 2].vowels == "e" && last.vowels == "w"))
        return "has an acute on the third syllable from the end before a long last syllable";
    if (accent == '=' && fromEnd == 2 && longLast)
        return "has a circumflex before a long last syllable";
    if (accent == '/' && fromEnd == 2 && CertainlyLong(syllables[accented], letters) &&
        CertainlyShort(last) && !EndsInEnclitic(letters))
        return "needs a circumflex: a long next-to-last syllable before a short last one";
    return "";
}

std::vector<std::string_view> Words(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == ' ' || text[i] == ',') {
            if (i > start)
                words.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    return words;
}

} // namespace

std::string GreekWordProblem(std::string_view word, Accents accents) {
    const std::string text(word);
    if (SortBetaMarks(text) != text)
        return "has its marks out of order; write breathing, accent, diaeresis, iota subscript";
    std::vector<BetaLetter> letters;
    if (std::string problem = SplitBetaWord(word, letters); !problem.empty())
        return problem;

    std::vector<Syllable> syllables;
    for (std::size_t i = 0; i < letters.size(); ++i) {
        if (std::string problem = LetterProblem(letters[i]); !problem.empty())
            return problem;
        if (!IsVowel(letters[i].letter))
            continue;
        Syllable s{std::string(1, letters[i].letter), i};
        if (i + 1 < letters.size() && IsDiphthong(letters[i], letters[i + 1])) {
            if (letters[i].marks.any())
                return "has a mark on the first vowel of a diphthong; it belongs on the second";
            s.vowels += letters[++i].letter;
            s.at = i;
            if (std::string problem = LetterProblem(letters[i]); !problem.empty())
                return problem;
        }
        syllables.push_back(s);
    }
    if (syllables.empty())
        return "has no vowel";
    if (std::string problem = BreathingProblem(letters, syllables); !problem.empty())
        return problem;
    return AccentProblem(letters, syllables, accents);
}

GreekWordFault FindGreekWordFault(std::string_view text, Accents accents) {
    for (std::string_view word : Words(text)) {
        if (std::string problem = GreekWordProblem(word, accents); !problem.empty())
            return {std::string(word), problem};
    }
    return {};
}
