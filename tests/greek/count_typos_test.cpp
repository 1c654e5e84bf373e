#include "greek/GreekStuff.h"

#include <gtest/gtest.h>
#include <string>

namespace {

struct Typos {
    int plain, scaled, swaps, swapsScaled;
    bool operator==(const Typos&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Typos& t) {
    return os << t.plain << ' ' << t.scaled << ' ' << t.swaps << ' ' << t.swapsScaled;
}

Typos All(const std::string& pattern, const std::string& text) {
    return {CountTypos(pattern, text, false, false), CountTypos(pattern, text, false, true),
            CountTypos(pattern, text, true, false), CountTypos(pattern, text, true, true)};
}

} // namespace

TEST(CountTypos, WorkedExamples) {
    EXPECT_EQ(All("form", "from"), (Typos{0, 0, 1, 1}));
    EXPECT_EQ(All("cat", "cats"), (Typos{0, 1, 0, 1}));
    EXPECT_EQ(All("garden", "gardens"), (Typos{0, -1, 0, -1}));
}

TEST(CountTypos, ExchangedNeighboursAreFreeUnlessSwapsCount) {
    EXPECT_EQ(All("friend", "freind"), (Typos{0, -1, 1, 0}));
    EXPECT_EQ(All("children", "childern"), (Typos{0, -2, 1, -1}));
    EXPECT_EQ(All("kind", "king"), (Typos{1, 1, 1, 1}));
    EXPECT_EQ(CountTypos("Cat", "cat", false, false), 1);
    EXPECT_EQ(CountTypos("cat", "a cat", false, false), 0);
}

TEST(CountTypos, ShortTextsAreNeverSearched) {
    EXPECT_EQ(All("", ""), (Typos{0, 0, 0, 0}));
    EXPECT_EQ(All("dog", ""), (Typos{5, 20, 5, 20}));
    EXPECT_EQ(All("a", "a"), (Typos{5, 20, 5, 20}));
    EXPECT_EQ(All("ab", "a"), (Typos{5, 20, 5, 20}));
    EXPECT_EQ(All("", "dog"), (Typos{0, 2, 0, 2}));
    EXPECT_EQ(All("abcdefgh", "zz"), (Typos{5, 5, 5, 5}));
}

TEST(CountTypos, EarliestBestEndGivesTheTail) {
    // "ab" occurs at the end of "abxab" and at its start: the first end wins, tail 3.
    EXPECT_EQ(CountTypos("ab", "abxab", false, true), 3);
    EXPECT_EQ(CountTypos("ab", "xxab", false, true), 0);
    EXPECT_EQ(CountTypos("abc", "xbcxxxxx", false, true), 1 + 5);
}

TEST(CountTypos, LongTextsGiveTheSameAnswers) {
    const std::string hay = std::string(5000, 'x') + "lo/gos" + std::string(3000, 'y');
    EXPECT_EQ(CountTypos("lo/gos", hay, false, false), 0);
    EXPECT_EQ(CountTypos("lo/gos", hay, false, true), -1);
    EXPECT_EQ(CountTypos("lgo/os", hay, true, false), 2);
    // A pattern longer than the 100 of the table's border and than 255.
    const std::string longWord(300, 'q');
    EXPECT_EQ(CountTypos(longWord, "zz" + longWord + "zz", false, false), 0);
    EXPECT_EQ(CountTypos(longWord, longWord.substr(0, 297) + "zz", false, false), 3);
    EXPECT_EQ(CountTypos(longWord, std::string(400, 'z'), false, false), 5);
    // A short pattern far from the end of a long text: the tail is held at the largest count.
    EXPECT_EQ(CountTypos("ab", "ab" + std::string(40000, 'z'), false, true), 32767);
}
