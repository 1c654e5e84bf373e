#include "BetaToDataFont.h"
#include "SourceError.h"
#include "greek/GreekStuff.h"

#include <gtest/gtest.h>

// Letters and marks as the data font stores them: a breathing with its accent as one character,
// a capital's marks before it, sigma at the end of a word as final sigma. What comes back through
// DataFontToBeta is what went in; what the data font cannot hold is refused.
TEST(BetaToDataFont, WritesTheDataFontAndRefusesWhatItCannotHold) {
    EXPECT_EQ(BetaToDataFont("a)/ h)/| i/+ u(= w(\\ xc ei)= a= [a]"),
              "a[ h[/ i? u| w} cx ei\\ a' (a)");
    EXPECT_EQ(BetaToDataFont("a=+"), "a\xC0");
    EXPECT_EQ(BetaToDataFont("lo/gos sw=ma ei)si/ oi( lelume/nos w)="),
              "lovgo\" sw'ma eijsiv oiJ lelumevno\" w\\");
    EXPECT_EQ(BetaToDataFont("*)/a *(o *x"), "\322A \357O C"); // codes 210 and 239
    for (const char* beta :
         {"lu/h|", "e)lelu/kein", "i)/sqi", "h)=|s", "timw/|hn", "au(/th", "lelukui=a", "u(mw=n",
          "*)aqh=nai", "*(/ellhnes", "a)i/+sswn", "leleimme/noi ei)si/",
          "abgdezhqiklmncoprstufxyw", "*a*b*g*d*e*z*h*q*i*k*l*m*n*c*o*p*r*s*t*u*f*x*y*w"})
        EXPECT_EQ(DataFontToBeta(BetaToDataFont(beta)), beta) << beta;
    const std::pair<const char*, const char*> refused[] = {
        {"a;", "';' in \"a;\" has no place"},
        {"a-b", "'-' in \"a-b\" has no place"},
        {"j", "'j' in \"j\" has no place"},
        {")a", "a mark without its letter"},
        {"*/a", "a capital's marks must be a breathing"},
        {"*(+a", "a capital's marks must be a breathing"},
        {"*", "a capital sign without its letter"},
        {"*1", "a capital sign without its letter in \"*1\""},
        {"*)", "a capital sign without its letter"},
        {"a))", "two marks of one kind"},
        {"*((a", "two marks of one kind"},
        {"a)+", "a breathing and a diaeresis"}};
    for (const auto& [beta, says] : refused) {
        try {
            BetaToDataFont(beta);
            ADD_FAILURE() << "accepted: " << beta;
        } catch (const SourceError& e) {
            EXPECT_NE(std::string(e.what()).find(says), std::string::npos) << e.what();
        }
    }
}
