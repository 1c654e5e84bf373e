#include "greek/BetaCode.h"
#include "greek/GreekStuff.h"
#include "greek/Tables.h"
#include "platform/RunError.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace {

class Texts {
public:
    explicit Texts(unsigned seed) : random_(seed) {}

    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    std::string Shuffled(std::string marks) {
        std::shuffle(marks.begin(), marks.end(), random_);
        return marks;
    }
    template <typename List> const auto& Pick(const List& list) {
        return list[static_cast<std::size_t>(Below(static_cast<int>(std::size(list))))];
    }

    // A vowel or rho, bare or with marks the display font has a character for, in any order.
    std::string Vowel() {
        const int column = Below(GridColumns);
        std::string marks;
        const VowelGridRow& row = Pick(VowelGrid);
        for (const VowelMarkChar& m : VowelMarkChars)
            if ((row.marks & m.mark) && row.codes[static_cast<std::size_t>(column)] != 0)
                marks += m.beta;
        return GridVowels[column] + Shuffled(marks);
    }

    std::string Letter() { return std::string(1, Pick(BetaLetters).beta); }

    // Letters and marked vowels, sometimes after a capital vowel with a breathing.
    std::string Word() {
        std::string word;
        if (Below(5) == 0) {
            const std::string accent = Below(2) ? std::string(1, Pick(CapitalAccents)) : "";
            word = "*" + Shuffled(Pick(CapitalBreathings) + accent) + GridVowels[Below(7)];
        }
        for (int k = 1 + Below(4); k > 0; --k)
            word += (Below(2) ? Letter() : "") + Vowel();
        if (Below(2) == 0)
            word += Letter();
        return word;
    }

    std::string Sentence() {
        std::string text = Word();
        for (int k = Below(6); k > 0; --k)
            text += std::string(1, " ,.:?'\""[Below(7)]) + " " + Word();
        return text;
    }

    std::string Bytes(int length) {
        std::string bytes(static_cast<std::size_t>(length), '\0');
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

TEST(GreekProperties, OneMarkOfEachGroupEndsInGroupOrder) {
    std::vector<std::string> groups(6);
    for (const BetaMarkInfo& mark : BetaMarks)
        groups[static_cast<std::size_t>(mark.group)] += mark.beta;
    Texts texts(3);
    for (int k = 0; k < Rounds; ++k) {
        std::string run;
        for (const std::string& group : groups)
            if (!group.empty() && texts.Below(2) == 0)
                run += texts.Pick(group);
        const std::string shuffled = texts.Shuffled(run);
        ASSERT_EQ(SortBetaMarks("a" + shuffled + "b"), "a" + run + "b") << shuffled;
    }
}

// The error table written out in full, as the count is defined.
int TyposByFullTable(const std::string& p, const std::string& t, bool swaps, bool scale) {
    const std::size_t rows = p.size(), cols = t.size();
    int count = rows == 0 && cols == 0 ? 0 : 5;
    std::size_t tail = rows == 0 && cols == 0 ? 0 : 15;
    std::vector<std::vector<int>> d(rows + 1, std::vector<int>(cols + 1, 0));
    for (std::size_t i = 1; i <= rows; ++i) {
        d[i][0] = static_cast<int>(i);
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
    if (!scale)
        return count;
    return count - (rows >= 5 && cols >= 5) - (rows >= 7 && cols >= 7) +
           (rows < 4 ? static_cast<int>(tail) : 0);
}

TEST(GreekProperties, TyposAsTheFullTableCountsThem) {
    Texts texts(5);
    auto word = [&](int most, int letters) {
        std::string w(static_cast<std::size_t>(texts.Below(most + 1)), ' ');
        for (char& c : w)
            c = static_cast<char>('a' + texts.Below(letters));
        return w;
    };
    // The pattern with a few typing errors, somewhere in a long text.
    auto hidden = [&](const std::string& p) {
        std::string typed = p;
        for (int e = texts.Below(4); e > 0 && typed.size() > 2; --e) {
            const std::size_t at = std::size_t(texts.Below(int(typed.size()) - 1));
            switch (texts.Below(4)) {
            case 0:
                typed[at] = 'z';
                break;
            case 1:
                typed.erase(at, 1);
                break;
            case 2:
                typed.insert(at, "z");
                break;
            default:
                std::swap(typed[at], typed[at + 1]);
            }
        }
        return word(80, 3) + typed + word(80, 3);
    };
    for (int k = 0; k < Rounds; ++k) {
        const bool longOnes = k % 50 == 0, hiddenOnes = k % 10 == 5;
        // Hidden patterns of more than 64 characters, from few letters, fill several words of bits.
        const std::string p = longOnes      ? word(140, 2)
                              : !hiddenOnes ? word(9, 3)
                              : k % 20 == 5 ? word(30, 6)
                                            : std::string(65, 'a') + word(150, 3);
        const std::string t = longOnes ? word(160, 2) : hiddenOnes ? hidden(p) : word(12, 3);
        const bool swaps = texts.Below(2), scale = texts.Below(2);
        ASSERT_EQ(CountTypos(p, t, swaps, scale), TyposByFullTable(p, t, swaps, scale))
            << p << " / " << t << " " << swaps << scale;
        // Stopping early changes nothing below the limit; at or above it, no occurrence.
        const int limit = 1 + texts.Below(5);
        const bool below = TyposByFullTable(p, t, swaps, false) < limit;
        ASSERT_EQ(CountTyposBelow(p, t, swaps, false, limit),
                  below ? TyposByFullTable(p, t, swaps, false) : 5)
            << p << " / " << t << " " << swaps << limit;
        if (below) {
            ASSERT_EQ(CountTyposBelow(p, t, swaps, true, limit),
                      TyposByFullTable(p, t, swaps, true));
        }
    }
}

// Any bytes at all, a megabyte of them too: the routines return and keep their simple promises.
// The fuzz target "greek" (FuzzTargetTest) checks those of the strip filters and the typing-error
// count as well.
TEST(GreekProperties, RoutinesTakeAnyBytes) {
    std::string beta = " .,:?'\"[]-0123456789\r";
    for (const BetaLetterInfo& letter : BetaLetters)
        beta += letter.beta;
    for (const BetaMarkInfo& mark : BetaMarks)
        beta += mark.beta;
    Texts texts(4);
    auto check = [&beta](const std::string& bytes) {
        const std::string sorted = SortBetaMarks(bytes);
        EXPECT_EQ(std::count(sorted.begin(), sorted.end(), '|'),
                  std::count(bytes.begin(), bytes.end(), '|'));
        EXPECT_LE(BetaToDisplayFont(bytes).size(), bytes.size());
        DisplayFontToBeta(bytes);
        const std::string fromData = DataFontToBeta(bytes);
        EXPECT_EQ(fromData.find_first_not_of(beta), std::string::npos) << fromData;
        EXPECT_EQ(fromData.find("**"), std::string::npos) << fromData;
        CountTypos(bytes.substr(0, 12), bytes, true, false);
        CountTypos(bytes, bytes.substr(0, 9), false, true);
        const std::string sep = bytes.substr(0, 1);
        const int fields = CountFields(bytes, sep);
        if (fields > 0)
            GetField(bytes, sep, fields);
    };
    for (int k = 0; k < Rounds / 4; ++k)
        check(texts.Bytes(texts.Below(64)));
    check(texts.Bytes(1 << 20));
}
