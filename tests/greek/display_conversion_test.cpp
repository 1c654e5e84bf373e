#include "greek/Codes.h"
#include "greek/GreekStuff.h"

#include <gtest/gtest.h>
#include <string>

// Each case joins words whose marks and letters are shown alike; a blank or punctuation mark ends
// a word (final sigma), a capital's marks stand between its marker and its letter, a vowel's marks
// follow it in any order, marks without a character are dropped, and a fifth mark or a mark after
// anything but a vowel is copied like every other character.
TEST(BetaToDisplayFont, ShowsWordsCapitalsAndVowelsWithTheirMarks) {
    const std::pair<std::string, std::string> cases[] = {
        {"lo/gos LO/GOS", Codes({'l', 241, 'g', 'o', 'w', ' ', 'l', 241, 'g', 'o', 'w'})},
        {"ti/s?", Codes({'t', 219, 'w', 59})},
        {"mh=nin a)/eide", Codes({'m', 176, 'n', 'i', 'n', ' ', 144, 'e', 'i', 'd', 'e'})},
        {"sa s] s- qcyvs", "sa w) s- yjcvw"},
        {"*(/hra *)a *(a", Codes({134, 'H', 'r', 'a', ' ', 131, 'A', ' ', 132, 'A'})},
        {"*)\\a *(\\a *)=a *(=a", Codes({135, 'A', ' ', 136, 'A', ' ', 137, 'A', ' ', 138, 'A'})},
        {"*/a *q *c*y*w*s *+i", "A Y JCVS I"},
        {")/*a *(|a *)v", Codes({133, 'A', ' ', 132, 'A', ' ', 131, 'V'})},
        {"*", " "},
        {"*)", Codes({131, ' '})},
        {"*1a *\r *.", " 1a  \r  ."},
        {"*)/ a", Codes({133, ' ', ' ', 'a'})},
        {"*)/|a", Codes({133, ' ', 'a'})},
        {"a|)/ a)/+||", Codes({155, ' ', 155, '|'})},
        {"r(h/twr r)", Codes({61, 174, 't', 'v', 'r', ' ', 'r'})},
        {"u(\\ u)\\ h)=| h)\\|", Codes({238, ' ', 237, ' ', 194, ' ', 192})},
        {"tw=| ei)=", Codes({'t', 210, ' ', 'e', 228})},
        {"a| h| w| v|", Codes({38, ' ', 250, ' ', 196, ' ', 196})},
        {"u+ u/+ u\\+ i+ i/+ i\\+", Codes({35, ' ', 64, ' ', 163, ' ', 243, ' ', 253, ' ', 254})},
        {"e/ e\\ o)/ w(=|", Codes({161, ' ', 162, ' ', 246, ' ', 218})},
        {"e= o=| i)+ e| a)(/", "e o i e a"},
        {"a/\\ a)+|", Codes({139, ' ', 153})},
        {"a1/ a-) a*)a", Codes({'a', '1', '/', ' ', 'a', '-', ')', ' ', 'a', 131, 'A'})},
        {"av)", Codes({'a', 200})},
        {")/b [a]:'\" 12-3\x80\xff\t", ")/b (a):'\" 12-3\x80\xff\t"},
        {"", ""}};
    for (const auto& [beta, shown] : cases)
        EXPECT_EQ(BetaToDisplayFont(beta), shown) << beta;
    // Capital ASCII letters read as the small ones, from A to Z: after the capital marker, with
    // marks, and at the end of a word (where s is final).
    for (char small = 'a'; small <= 'z'; ++small) {
        const char capital = static_cast<char>(small - 'a' + 'A');
        auto text = [](char c) { return std::string{'*', c, ' ', c, ')', '/', ' ', c}; };
        EXPECT_EQ(BetaToDisplayFont(text(capital)), BetaToDisplayFont(text(small))) << capital;
    }
}

// Glyphs read on their own and odd words; the precomposed vowels are checked against their
// Unicode marks (display_font_test) and the words through the round-trip property.
TEST(DisplayFontToBeta, ReadsTheFontBack) {
    const std::pair<std::string, std::string> cases[] = {{Codes({135}), ")\\"},
                                                         {Codes({59}), "?"},
                                                         {Codes({63}), "?"},
                                                         {Codes({128, 129, 130}), "/\\="},
                                                         {"CJVYSc", "*y*c*w*q*sy"},
                                                         {BetaToDisplayFont("vra"), "wra"},
                                                         {BetaToDisplayFont("[a]"), "(a)"},
                                                         {BetaToDisplayFont("*/a"), "*a"},
                                                         {"12 ,.-", "12 ,.-"}};
    for (const auto& [shown, beta] : cases)
        EXPECT_EQ(DisplayFontToBeta(shown), beta) << beta;
}
