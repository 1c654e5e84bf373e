#include "greek/Codes.h"
#include "greek/GreekStuff.h"

#include <gtest/gtest.h>
#include <string>

TEST(DataFontToBeta, MarksOfASmallLetterComeOutInCanonicalOrder) {
    EXPECT_EQ(DataFontToBeta("avj"), "a)/");
    EXPECT_EQ(DataFontToBeta("ajv"), "a)/");
    EXPECT_EQ(DataFontToBeta("a/"), "a|");
    EXPECT_EQ(DataFontToBeta("hjv/"), "h)/|");
    EXPECT_EQ(DataFontToBeta("i>v"), "i/+");
    EXPECT_EQ(DataFontToBeta("i?"), "i/+");
    EXPECT_EQ(DataFontToBeta("h[/"), "h)/|");
    EXPECT_EQ(DataFontToBeta("h}/"), "h(\\|");
    EXPECT_EQ(DataFontToBeta("i" + Codes({192})), "i=+");
    EXPECT_EQ(DataFontToBeta("u" + Codes({214})), "u\\+");
}

TEST(DataFontToBeta, CapitalsTakeTheirMarkCharacter) {
    EXPECT_EQ(DataFontToBeta(Codes({210}) + "A"), "*)/a");
    EXPECT_EQ(DataFontToBeta(Codes({239}) + "O"), "*(o");
    EXPECT_EQ(DataFontToBeta(Codes({200}) + "W"), "*(=w");
    EXPECT_EQ(DataFontToBeta(Codes({198}) + "E"), "*)e");
    EXPECT_EQ(DataFontToBeta("J"), "(");
    EXPECT_EQ(DataFontToBeta("V"), "");
    EXPECT_EQ(DataFontToBeta("CX"), "*x*c");
    EXPECT_EQ(DataFontToBeta("Ja"), "(a");
}

TEST(DataFontToBeta, LettersPunctuationAndDroppedCodes) {
    EXPECT_EQ(DataFontToBeta("cx"), "xc");
    EXPECT_EQ(DataFontToBeta("logo\""), "logos");
    EXPECT_EQ(DataFontToBeta("(a)"), "[a]");
    EXPECT_EQ(DataFontToBeta("a-b"), "ab");
    EXPECT_EQ(DataFontToBeta(Codes({10, 33, 86, 94, 126, 173, 202, 255})), ""); // no meaning
    EXPECT_EQ(DataFontToBeta("a\rb\n"), "a \rb");
    EXPECT_EQ(DataFontToBeta(Codes({174}) + "a" + Codes({190, 201})), "\"a'?");
    EXPECT_EQ(DataFontToBeta("0123456789:,. "), "0123456789:,. ");
    EXPECT_EQ(DataFontToBeta(""), "");
}
