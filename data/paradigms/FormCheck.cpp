#include "FormCheck.h"

#include "SourceError.h"

#include <sstream>
#include <string_view>
#include <vector>

namespace {

bool IsVowel(char c) {
    return std::string_view("aehiouw").find(c) != std::string_view::npos;
}
bool IsMark(char c) {
    return std::string_view(")(/\\=+|").find(c) != std::string_view::npos;
}

struct Letter {
    char letter;
    std::string marks;
    bool has(char mark) const { return marks.find(mark) != std::string::npos; }
};

// A vowel or diphthong with the marks it carries.
struct Nucleus {
    std::string vowels;
    std::string marks;
    bool wordFinal = false; // nothing but consonants-free end follows (for final -ai, -oi)
};

std::vector<Letter> Letters(const std::string& word) {
    std::vector<Letter> letters;
    for (char c : word) {
        if (c == '*')
            continue;
        if (IsMark(c) && !letters.empty())
            letters.back().marks += c;
        else
            letters.push_back({c, ""});
    }
    return letters;
}

bool IsDiphthong(const Letter& first, const Letter& second) {
    static constexpr std::string_view pairs[] = {"ai", "ei", "oi", "ui", "au", "eu", "ou", "hu"};
    if (!first.marks.empty() || second.has('+'))
        return false;
    const std::string pair{first.letter, second.letter};
    for (auto p : pairs)
        if (p == pair)
            return true;
    return false;
}

std::vector<Nucleus> Nuclei(const std::vector<Letter>& letters) {
    std::vector<Nucleus> nuclei;
    for (std::size_t i = 0; i < letters.size(); ++i) {
        if (!IsVowel(letters[i].letter))
            continue;
        Nucleus n{std::string(1, letters[i].letter), letters[i].marks};
        if (i + 1 < letters.size() && IsVowel(letters[i + 1].letter) &&
            IsDiphthong(letters[i], letters[i + 1])) {
            ++i;
            n.vowels += letters[i].letter;
            n.marks += letters[i].marks;
        }
        n.wordFinal = i + 1 == letters.size();
        nuclei.push_back(n);
    }
    return nuclei;
}

bool Has(const Nucleus& n, char mark) {
    return n.marks.find(mark) != std::string::npos;
}

// Long by nature for certain: eta, omega, a diphthong (but final -ai and -oi count short in most
// forms) or a vowel with iota subscript.
bool CertainlyLong(const Nucleus& n) {
    if (Has(n, '|') || n.vowels == "h" || n.vowels == "w")
        return true;
    if (n.vowels.size() == 2)
        return !(n.wordFinal && (n.vowels == "ai" || n.vowels == "oi"));
    return false;
}

bool CertainlyShort(const Nucleus& n) {
    return n.vowels == "e" || n.vowels == "o";
}

void CheckWord(const std::string& word) {
    const auto letters = Letters(word);
    const auto nuclei = Nuclei(letters);
    if (nuclei.empty())
        throw SourceError("\"" + word + "\" has no vowel");

    std::size_t accents = 0, accented = 0;
    char accent = 0;
    for (std::size_t i = 0; i < nuclei.size(); ++i)
        for (char m : nuclei[i].marks)
            if (m == '/' || m == '=' || m == '\\') {
                ++accents;
                accented = i;
                accent = m;
            }
    if (accents != 1)
        throw SourceError("\"" + word + "\" needs exactly one accent");
    if (accent == '\\')
        throw SourceError("\"" + word + "\" has a grave; write a form as it stands alone");

    const std::size_t fromEnd = nuclei.size() - accented; // 1 = last syllable
    const Nucleus& last = nuclei.back();
    const Nucleus& acc = nuclei[accented];
    if (accent == '/' && fromEnd > 3)
        throw SourceError("\"" + word + "\" has an acute before the third syllable from the end");
    if (accent == '=' && fromEnd > 2)
        throw SourceError("\"" + word + "\" has a circumflex before the next-to-last syllable");
    if (accent == '=' && CertainlyShort(acc))
        throw SourceError("\"" + word + "\" has a circumflex on a short vowel");
    if (accent == '/' && fromEnd == 3 && CertainlyLong(last) &&
        !(nuclei[nuclei.size() - 2].vowels == "e" && last.vowels == "w"))
        throw SourceError("\"" + word +
                          "\" has an acute on the third syllable from the end "
                          "before a long last syllable");
    if (accent == '=' && fromEnd == 2 && CertainlyLong(last))
        throw SourceError("\"" + word + "\" has a circumflex before a long last syllable");
    if (accent == '/' && fromEnd == 2 && CertainlyLong(acc) && CertainlyShort(last))
        throw SourceError("\"" + word +
                          "\" needs a circumflex: long next-to-last syllable "
                          "before a short last one");

    const bool startsWithVowel = !letters.empty() && IsVowel(letters.front().letter);
    for (std::size_t i = 0; i < nuclei.size(); ++i) {
        const bool breathing = Has(nuclei[i], ')') || Has(nuclei[i], '(');
        if (i == 0 && startsWithVowel && !breathing)
            throw SourceError("\"" + word + "\" begins with a vowel and needs a breathing");
        if (breathing && !(i == 0 && startsWithVowel))
            throw SourceError("\"" + word + "\" has a breathing that is not on its first vowel");
    }
}

} // namespace

void CheckGreekForm(const std::string& beta) {
    std::istringstream words(beta);
    std::string word;
    while (words >> word)
        CheckWord(word);
}
