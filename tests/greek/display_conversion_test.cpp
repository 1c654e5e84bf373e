#include "greek/Codes.h"
#include "greek/GreekStuff.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

TEST(BetaToDisplayFont, WordsAndFinalSigma) {
    EXPECT_EQ(BetaToDisplayFont("lo/gos"), Codes({'l', 241, 'g', 'o', 'w'}));
    EXPECT_EQ(BetaToDisplayFont("qeo/s,"), Codes({'y', 'e', 241, 'w', ','}));
    EXPECT_EQ(BetaToDisplayFont("ti/s?"), Codes({'t', 219, 'w', 59}));
    EXPECT_EQ(BetaToDisplayFont("yuxh/"), Codes({'c', 'u', 'x', 174}));
    EXPECT_EQ(BetaToDisplayFont("mh=nin a)/eide"),
              Codes({'m', 176, 'n', 'i', 'n', ' ', 144, 'e', 'i', 'd', 'e'}));
    EXPECT_EQ(BetaToDisplayFont("s"), "w");
    EXPECT_EQ(BetaToDisplayFont("sa s] s-"), Codes({'s', 'a', ' ', 'w', ')', ' ', 's', '-'}));
    EXPECT_EQ(BetaToDisplayFont("LO/GOS"), BetaToDisplayFont("lo/gos"));
}

TEST(BetaToDisplayFont, Capitals) {
    EXPECT_EQ(BetaToDisplayFont("*)a"), Codes({131, 'A'}));
    EXPECT_EQ(BetaToDisplayFont("*(/hra"), Codes({134, 'H', 'r', 'a'}));
    EXPECT_EQ(BetaToDisplayFont("*/a"), "A");
    EXPECT_EQ(BetaToDisplayFont("*q"), "Y");
    EXPECT_EQ(BetaToDisplayFont("*c*y*w*s"), "JCVS");
    EXPECT_EQ(BetaToDisplayFont("*)\\a *(\\a *)=a *(=a *(a"),
              Codes({135, 'A', ' ', 136, 'A', ' ', 137, 'A', ' ', 138, 'A', ' ', 132, 'A'}));
    EXPECT_EQ(BetaToDisplayFont(")/*a"), Codes({133, 'A'}));
    EXPECT_EQ(BetaToDisplayFont("*"), " ");
    EXPECT_EQ(BetaToDisplayFont("*)"), Codes({131, ' '}));
}

TEST(BetaToDisplayFont, CapitalsShowTheirLetterOnceAndLoseNoCharacter) {
    EXPECT_EQ(BetaToDisplayFont("*+i"), "I");
    EXPECT_EQ(BetaToDisplayFont("*(|a"), Codes({132, 'A'}));
    EXPECT_EQ(BetaToDisplayFont("*)v"), Codes({131, 'V'}));
    EXPECT_EQ(BetaToDisplayFont("*1a"), " 1a");
    EXPECT_EQ(BetaToDisplayFont("*)/ a"), Codes({133, ' ', ' ', 'a'}));
    EXPECT_EQ(BetaToDisplayFont("*)/|a"), Codes({133, ' ', 'a'}));
    EXPECT_EQ(BetaToDisplayFont("*\r"), " \r");
    EXPECT_EQ(BetaToDisplayFont("*."), " .");
}

TEST(BetaToDisplayFont, VowelGrid) {
    EXPECT_EQ(BetaToDisplayFont("a|)/"), Codes({155}));
    EXPECT_EQ(BetaToDisplayFont("a)/|"), Codes({155}));
    EXPECT_EQ(BetaToDisplayFont("r(h/twr"), Codes({61, 174, 't', 'v', 'r'}));
    EXPECT_EQ(BetaToDisplayFont("r)"), "r");
    EXPECT_EQ(BetaToDisplayFont("u(\\"), Codes({238}));
    EXPECT_EQ(BetaToDisplayFont("u)\\"), Codes({237}));
    EXPECT_EQ(BetaToDisplayFont("h)=|"), Codes({194}));
    EXPECT_EQ(BetaToDisplayFont("h)\\|"), Codes({192}));
    EXPECT_EQ(BetaToDisplayFont("e="), "e");
    EXPECT_EQ(BetaToDisplayFont("tw=|"), Codes({'t', 210}));
    EXPECT_EQ(BetaToDisplayFont("ei)="), Codes({'e', 228}));
    EXPECT_EQ(BetaToDisplayFont("a| h| w| v|"), Codes({38, ' ', 250, ' ', 196, ' ', 196}));
    EXPECT_EQ(BetaToDisplayFont("u+ u/+ u\\+ i+ i/+ i\\+"),
              Codes({35, ' ', 64, ' ', 163, ' ', 243, ' ', 253, ' ', 254}));
    EXPECT_EQ(BetaToDisplayFont("e/ e\\ o)/ w(=|"), Codes({161, ' ', 162, ' ', 246, ' ', 218}));
}

TEST(BetaToDisplayFont, MarksWithoutACharacterAreDropped) {
    EXPECT_EQ(BetaToDisplayFont("o=|"), "o");
    EXPECT_EQ(BetaToDisplayFont("i)+"), "i");
    EXPECT_EQ(BetaToDisplayFont("e|"), "e");
    EXPECT_EQ(BetaToDisplayFont("a)(/"), "a");
    // More marks than a vowel takes: the fifth is shown on its own.
    EXPECT_EQ(BetaToDisplayFont("a)/+||"), Codes({155, '|'}));
    // The first rule that finds a character decides.
    EXPECT_EQ(BetaToDisplayFont("a/\\"), Codes({139}));
    EXPECT_EQ(BetaToDisplayFont("a)+|"), Codes({153}));
}

TEST(BetaToDisplayFont, MarksStayWithTheCharacterTheyFollow) {
    EXPECT_EQ(BetaToDisplayFont("a1/"), "a1/");
    EXPECT_EQ(BetaToDisplayFont("a-)"), "a-)");
    EXPECT_EQ(BetaToDisplayFont("a*)a"), Codes({'a', 131, 'A'}));
    EXPECT_EQ(BetaToDisplayFont("av)"), Codes({'a', 200}));
}

TEST(BetaToDisplayFont, OtherCharactersAreCopied) {
    EXPECT_EQ(BetaToDisplayFont(""), "");
    EXPECT_EQ(BetaToDisplayFont("12-3"), "12-3");
    EXPECT_EQ(BetaToDisplayFont("[a]:'\""), "(a):'\"");
    EXPECT_EQ(BetaToDisplayFont(")/b"), ")/b");
    EXPECT_EQ(BetaToDisplayFont("\x80\xff\t"), "\x80\xff\t");
}

// Glyphs and letters read on their own. The precomposed vowels are checked against their
// Unicode marks (display_font_test) and the words through the round-trip property.
TEST(DisplayFontToBeta, ReadsTheFontBack) {
    EXPECT_EQ(DisplayFontToBeta(Codes({135})), ")\\");
    EXPECT_EQ(DisplayFontToBeta(Codes({59})), "?");
    EXPECT_EQ(DisplayFontToBeta(Codes({63})), "?");
    EXPECT_EQ(DisplayFontToBeta(Codes({128, 129, 130})), "/\\=");
    EXPECT_EQ(DisplayFontToBeta("CJVYSc"), "*y*c*w*q*sy");
}

TEST(DisplayFontToBeta, CodesWithoutATableEntryComeBackAsThemselves) {
    std::set<int> expected{36, 37, 58, 60, 62, 63, 81, 87, 113, 170, 171, 172, 173, 251, 252, 255};
    auto addRange = [&](int from, int to) {
        for (int c = from; c <= to; ++c)
            expected.insert(c);
    };
    addRange(0, 34);
    addRange(39, 57);
    addRange(91, 96);
    addRange(123, 127);
    for (char c : std::string("abdefghiklmnoprstuxz")) // letters that are their own Beta
        expected.insert(c);
    std::set<int> unchanged;
    for (int code = 0; code < 256; ++code) {
        const std::string one(1, static_cast<char>(code));
        if (DisplayFontToBeta(one) == one)
            unchanged.insert(code);
    }
    EXPECT_EQ(unchanged, expected);
}

TEST(DisplayFontToBeta, TheWayThereAndBack) {
    auto roundTrip = [](const std::string& beta) {
        return DisplayFontToBeta(BetaToDisplayFont(beta));
    };
    EXPECT_EQ(roundTrip("vra"), "wra");
    EXPECT_EQ(roundTrip("LO/GOS"), "lo/gos");
    EXPECT_EQ(roundTrip("[a]"), "(a)");
    EXPECT_EQ(roundTrip("*/a"), "*a");
    EXPECT_EQ(roundTrip("e="), "e");
    EXPECT_EQ(DisplayFontToBeta(""), "");
    EXPECT_EQ(DisplayFontToBeta("12 ,.-"), "12 ,.-");
}
