#include "greek/Codes.h"
#include "greek/GreekStuff.h"

#include <gtest/gtest.h>
#include <string>

TEST(DataFontToBeta, ReadsLettersMarksAndCapitalsInCanonicalOrder) {
    EXPECT_EQ(DataFontToBeta("avj ajv hjv/ i>v i? h}/"), "a)/ a)/ h)/| i/+ i/+ h(\\|");
    EXPECT_EQ(DataFontToBeta(Codes({'i', 192, ' ', 'u', 214})), "i=+ u\\+");
    EXPECT_EQ(DataFontToBeta(Codes({210, 'A', ' ', 239, 'O', ' ', 200, 'W', ' '}) + "J V CX"),
              "*)/a *(o *(=w (  *x*c");
    EXPECT_EQ(DataFontToBeta("cx logo\" (a)- a\rb\n"), "xc logos [a] a \rb");
    EXPECT_EQ(DataFontToBeta(Codes({174, 'a', 190, 201})), "\"a'?");
    EXPECT_EQ(DataFontToBeta("0123456789:,. "), "0123456789:,. ");
    // Every letter, small and capital (J and j are breathings, V and v nothing or an accent).
    EXPECT_EQ(DataFontToBeta("abcdefghiklmnopqrstuwxyz"), "abxdefghiklmnopqrstuwcyz");
    EXPECT_EQ(DataFontToBeta("ABCDEFGHIKLMNOPQRSTUWXYZ"),
              "*a*b*x*d*e*f*g*h*i*k*l*m*n*o*p*q*r*s*t*u*w*c*y*z");
    EXPECT_EQ(DataFontToBeta(Codes({10, 33, 86, 94, 126, 173, 202, 255})), ""); // no meaning
}
