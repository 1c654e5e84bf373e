#include "greek/BetaCode.h"
#include "greek/GreekStuff.h"
#include "platform/RunError.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace {

// Every mark combination that the display font has a character for, per vowel.
const std::vector<std::string> CommonMarks{"", "/", "\\", ")", "(", ")/", "(/", ")\\", "(\\"};
const std::vector<std::string> CircumflexMarks{"=", ")=", "(="};
const std::vector<std::string> IotaMarks{"|",   "/|",  "\\|",  "=|",   ")|",  "(|",
                                         ")/|", "(/|", ")\\|", "(\\|", ")=|", "(=|"};
const std::vector<std::string> DiaeresisMarks{"+", "/+", "\\+"};

std::vector<std::string> MarksOf(char vowel) {
    std::vector<std::string> marks = CommonMarks;
    auto add = [&](const std::vector<std::string>& more) {
        marks.insert(marks.end(), more.begin(), more.end());
    };
    if (std::string("ahiuw").find(vowel) != std::string::npos)
        add(CircumflexMarks);
    if (std::string("ahw").find(vowel) != std::string::npos)
        add(IotaMarks);
    if (vowel == 'i' || vowel == 'u')
        add(DiaeresisMarks);
    return marks;
}

class Texts {
public:
    explicit Texts(unsigned seed) : random_(seed) {}

    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    template <typename T> const T& Pick(const std::vector<T>& from) {
        return from[static_cast<std::size_t>(Below(static_cast<int>(from.size())))];
    }

    // A vowel with marks that the display font can show, the marks in any order.
    std::string Vowel() {
        static const std::string vowels = "aehiouw";
        const char v = vowels[static_cast<std::size_t>(Below(7))];
        std::string marks = Pick(MarksOf(v));
        std::shuffle(marks.begin(), marks.end(), random_);
        return v + marks;
    }

    // A word of lower-case Beta letters, sometimes with a capital that has a breathing.
    std::string Word() {
        static const std::vector<std::string> onsets{"",  "b", "g",  "d",  "z",  "q",  "k",  "l",
                                                     "m", "n", "c",  "p",  "r",  "s",  "t",  "f",
                                                     "x", "y", "st", "pr", "xr", "r(", "gg", "sk"};
        std::string word;
        if (Below(5) == 0) {
            static const std::vector<std::string> capitals{")",   "(",   ")/", "(/",
                                                           ")\\", "(\\", ")=", "(="};
            std::string marks = Pick(capitals);
            std::shuffle(marks.begin(), marks.end(), random_);
            word = "*" + marks + "aehiouw"[Below(7)];
        }
        const int syllables = 1 + Below(4);
        for (int k = 0; k < syllables; ++k)
            word += Pick(onsets) + Vowel();
        if (Below(2) == 0)
            word += Pick(std::vector<std::string>{"s", "n", "r", "c", "y"});
        return word;
    }

    std::string Sentence() {
        static const std::vector<std::string> gaps{" ", " ", ", ", ". ", ": ", "? ", "' ", "\""};
        std::string text = Word();
        const int words = Below(6);
        for (int k = 0; k < words; ++k)
            text += Pick(gaps) + Word();
        return text;
    }

    std::string Bytes(std::size_t length) {
        std::string bytes(length, '\0');
        for (char& c : bytes)
            c = static_cast<char>(Below(256));
        return bytes;
    }

private:
    std::mt19937 random_;
};

constexpr int Rounds = 5000;

} // namespace

TEST(GreekProperties, DisplayAndBackGivesTheSortedBeta) {
    Texts texts(1);
    for (int k = 0; k < Rounds; ++k) {
        const std::string beta = texts.Sentence();
        ASSERT_EQ(DisplayFontToBeta(BetaToDisplayFont(beta)), SortBetaMarks(beta)) << beta;
    }
}

TEST(GreekProperties, DataFontGivesOnlyBetaCharacters) {
    std::string allowed = " .,:?'\"[]-0123456789\r";
    for (const BetaLetterInfo& letter : BetaLetters)
        allowed += letter.beta;
    for (const BetaMarkInfo& mark : BetaMarks)
        allowed += mark.beta;
    Texts texts(2);
    for (int k = 0; k < Rounds; ++k) {
        const std::string beta =
            DataFontToBeta(texts.Bytes(static_cast<std::size_t>(texts.Below(40))));
        ASSERT_EQ(beta.find_first_not_of(allowed), std::string::npos) << beta;
        ASSERT_EQ(beta.find("**"), std::string::npos) << beta;
    }
}

TEST(GreekProperties, OneMarkOfEachGroupEndsInGroupOrder) {
    const std::string groups[] = {"*", ")(", "/\\=", "+", "|"};
    Texts texts(3);
    for (int k = 0; k < Rounds; ++k) {
        std::string run;
        for (const std::string& group : groups) {
            if (texts.Below(2) == 0)
                run += group[static_cast<std::size_t>(texts.Below(static_cast<int>(group.size())))];
        }
        std::string shuffled = run;
        std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(static_cast<unsigned>(k)));
        ASSERT_EQ(SortBetaMarks("a" + shuffled + "b"), "a" + run + "b") << shuffled;
        ASSERT_EQ(SortBetaMarks(SortBetaMarks(shuffled)), SortBetaMarks(shuffled));
    }
}

// The error table written out in full, as the count is defined.
int TyposByFullTable(const std::string& p, const std::string& t, bool swaps, bool scale) {
    const std::size_t rows = p.size(), cols = t.size();
    int count = 5;
    std::size_t tail = 15;
    if (rows == 0 && cols == 0) {
        count = 0;
        tail = 0;
    } else {
        std::vector<std::vector<int>> d(rows + 1, std::vector<int>(cols + 1, 0));
        for (std::size_t i = 0; i <= rows; ++i)
            d[i][0] = static_cast<int>(i);
        for (std::size_t i = 1; i <= rows; ++i) {
            for (std::size_t j = 1; j <= cols; ++j) {
                const int crossed = i > 1 && j > 1 ? d[i - 2][j - 2] + (p[i - 2] != t[j - 1]) +
                                                         (p[i - 1] != t[j - 2]) + swaps
                                                   : 100;
                d[i][j] = std::min({d[i - 1][j - 1] + (p[i - 1] != t[j - 1]), d[i - 1][j] + 1,
                                    d[i][j - 1] + 1, crossed});
            }
        }
        for (std::size_t j = 1; cols >= 2 && j <= cols; ++j) {
            if (d[rows][j] < count) {
                count = d[rows][j];
                tail = cols - j;
            }
        }
    }
    if (!scale)
        return count;
    return count - (rows >= 5 && cols >= 5) - (rows >= 7 && cols >= 7) +
           (rows < 4 ? static_cast<int>(tail) : 0);
}

TEST(GreekProperties, TyposAsTheFullTableCountsThem) {
    Texts texts(5);
    auto word = [&](int most, const char* letters) {
        std::string w(static_cast<std::size_t>(texts.Below(most + 1)), ' ');
        for (char& c : w)
            c = letters[texts.Below(static_cast<int>(std::string(letters).size()))];
        return w;
    };
    for (int k = 0; k < Rounds; ++k) {
        const bool longOnes = k % 50 == 0;
        const std::string p = longOnes ? word(140, "ab") : word(9, "abc");
        const std::string t = longOnes ? word(160, "ab") : word(12, "abc");
        const bool swaps = texts.Below(2), scale = texts.Below(2);
        ASSERT_EQ(CountTypos(p, t, swaps, scale), TyposByFullTable(p, t, swaps, scale))
            << p << " / " << t << " " << swaps << scale;
    }
}

// Any bytes at all: the routines return and keep their simple promises.
TEST(GreekProperties, RoutinesTakeAnyBytes) {
    Texts texts(4);
    auto check = [](const std::string& bytes) {
        const std::string sorted = SortBetaMarks(bytes);
        EXPECT_LE(sorted.size(), bytes.size());
        EXPECT_EQ(std::count(sorted.begin(), sorted.end(), '|'),
                  std::count(bytes.begin(), bytes.end(), '|'));
        EXPECT_EQ(StripBetaMarks(bytes).find_first_of("/\\=+|,.;*-()[]"), std::string::npos);
        EXPECT_EQ(StripAccents(bytes).find_first_of("/\\=+"), std::string::npos);
        EXPECT_EQ(StripSpaces(bytes).find(' '), std::string::npos);
        EXPECT_LE(BetaToDisplayFont(bytes).size(), bytes.size());
        DisplayFontToBeta(bytes);
        DataFontToBeta(bytes);
        const int typos = CountTypos(bytes.substr(0, 12), bytes, true, false);
        EXPECT_TRUE(typos >= 0 && typos <= 5);
        CountTypos(bytes, bytes.substr(0, 9), false, true);
        const std::string sep = bytes.substr(0, 1);
        const int fields = CountFields(bytes, sep);
        if (fields > 0)
            GetField(bytes, sep, fields);
    };
    for (int k = 0; k < Rounds / 4; ++k)
        check(texts.Bytes(static_cast<std::size_t>(texts.Below(64))));
    const std::string longText = texts.Bytes(1 << 20);
    check(longText);
    EXPECT_THROW(CountFields(std::string(70000, ','), ","), RunError);
}
