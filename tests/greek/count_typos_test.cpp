#include "greek/GreekStuff.h"

#include <gtest/gtest.h>
#include <string>

// Each case gives the count plain, scaled, with swaps counted, and with both. Texts shorter than
// two characters are never searched; the earliest best end gives the tail.
TEST(CountTypos, WorkedExamples) {
    struct Case {
        std::string pattern, text;
        int plain, scaled, swaps, swapsScaled;
    };
    const Case cases[] = {{"form", "from", 0, 0, 1, 1},
                          {"cat", "cats", 0, 1, 0, 1},
                          {"garden", "gardens", 0, -1, 0, -1},
                          {"children", "childern", 0, -2, 1, -1},
                          {"kind", "king", 1, 1, 1, 1},
                          {"Cat", "cat", 1, 1, 1, 1}, // letter case counts
                          {"cat", "a cat", 0, 0, 0, 0},
                          {"", "", 0, 0, 0, 0},
                          {"dog", "", 5, 20, 5, 20},
                          {"ab", "a", 5, 20, 5, 20},
                          {"", "dog", 0, 2, 0, 2},
                          {"abcdefgh", "zz", 5, 5, 5, 5},
                          {"ab", "abxab", 0, 3, 0, 3},
                          {"abc", "xbcxxxxx", 1, 6, 1, 6}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pattern + " / " + c.text);
        EXPECT_EQ(CountTypos(c.pattern, c.text, false, false), c.plain);
        EXPECT_EQ(CountTypos(c.pattern, c.text, false, true), c.scaled);
        EXPECT_EQ(CountTypos(c.pattern, c.text, true, false), c.swaps);
        EXPECT_EQ(CountTypos(c.pattern, c.text, true, true), c.swapsScaled);
    }
}

TEST(CountTypos, LongTextsGiveTheSameAnswers) {
    const std::string hay = std::string(5000, 'x') + "lo/gos" + std::string(3000, 'y');
    EXPECT_EQ(CountTypos("lo/gos", hay, false, true), -1);
    EXPECT_EQ(CountTypos("lgo/os", hay, true, false), 2);
    // A pattern longer than the 100 of the table's border and than 255.
    const std::string longWord(300, 'q');
    EXPECT_EQ(CountTypos(longWord, "zz" + longWord + "zz", false, false), 0);
    EXPECT_EQ(CountTypos(longWord, longWord.substr(0, 297) + "zz", false, false), 3);
    EXPECT_EQ(CountTypos(longWord, std::string(400, 'z'), false, false), 5);
    // Two letters crossed at the 64th and 65th characters of a long pattern.
    std::string letters;
    for (int i = 0; i < 100; ++i)
        letters += static_cast<char>('a' + i * 7 % 26);
    std::string crossed = letters;
    std::swap(crossed[63], crossed[64]);
    EXPECT_EQ(CountTypos(letters, "--" + crossed + std::string(70, '-'), true, false), 1);
    // The same pattern two letters short, counted up to a limit of 3.
    EXPECT_EQ(CountTyposBelow(letters, letters.substr(1, 50) + letters.substr(52), true, false, 3),
              2);
    // A short pattern far from the end of a long text: the tail is held at the largest count.
    EXPECT_EQ(CountTypos("ab", "ab" + std::string(40000, 'z'), false, true), 32767);
}
