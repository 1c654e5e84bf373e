#include "BetaToDataFont.h"
#include "SourceError.h"
#include "greek/GreekStuff.h"

#include <gtest/gtest.h>

TEST(BetaToDataFont, WritesLettersAndMarksAsTheDataFontStoresThem) {
    EXPECT_EQ(BetaToDataFont("a)/"), "a[");
    EXPECT_EQ(BetaToDataFont("h)/|"), "h[/");
    EXPECT_EQ(BetaToDataFont("i/+"), "i?");
    EXPECT_EQ(BetaToDataFont("u(="), "u|");
    EXPECT_EQ(BetaToDataFont("w(\\"), "w}");
    EXPECT_EQ(BetaToDataFont("xc"), "cx");
    EXPECT_EQ(BetaToDataFont("ei)="), "ei\\");
    EXPECT_EQ(BetaToDataFont("a="), "a'");
    EXPECT_EQ(BetaToDataFont("a=+"), std::string("a\xC0"));
    EXPECT_EQ(BetaToDataFont("[a]"), "(a)");
}

TEST(BetaToDataFont, EndsAWordWithFinalSigma) {
    EXPECT_EQ(BetaToDataFont("lo/gos"), "lovgo\"");
    EXPECT_EQ(BetaToDataFont("sw=ma"), "sw'ma");
    EXPECT_EQ(BetaToDataFont("ei)si/ oi("), "eijsiv oiJ");
    EXPECT_EQ(BetaToDataFont("lelume/nos w)="), "lelumevno\" w\\");
}

TEST(BetaToDataFont, PutsACapitalsMarksBeforeIt) {
    EXPECT_EQ(BetaToDataFont("*)/a"), std::string("\xD2") + "A");
    EXPECT_EQ(BetaToDataFont("*(o"), std::string("\xEF") + "O");
    EXPECT_EQ(BetaToDataFont("*x"), "C");
}

TEST(BetaToDataFont, ComesBackThroughDataFontToBeta) {
    for (const char* beta :
         {"lu/h|", "e)lelu/kein", "ei)si/", "i)/sqi", "h)=|s", "timw/|hn", "au(/th", "lelukui=a",
          "u(mw=n", "*)aqh=nai", "*(/ellhnes", "a)i/+sswn", "leleimme/noi ei)si/"})
        EXPECT_EQ(DataFontToBeta(BetaToDataFont(beta)), beta) << beta;
}

TEST(BetaToDataFont, RefusesWhatTheDataFontCannotHold) {
    for (const char* beta : {"a;", "a-b", "j", ")a", "*/a", "*", "a))", "a)+"})
        EXPECT_THROW(BetaToDataFont(beta), SourceError) << beta;
}
