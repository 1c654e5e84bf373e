#include "platform/Numbers.h"
#include "support/RunErrorOf.h"

#include <gtest/gtest.h>

TEST(LeadingNumber, ReadsTheNumberAtTheStartOfAText) {
    EXPECT_EQ(LeadingNumber("2.5"), 2.5);
    EXPECT_EQ(LeadingNumber("   42abc"), 42);
    EXPECT_EQ(LeadingNumber(" -7"), -7);
    EXPECT_EQ(LeadingNumber("+3"), 3);
    EXPECT_EQ(LeadingNumber(".5"), 0.5);
    EXPECT_EQ(LeadingNumber("12.5.6"), 12.5);
    EXPECT_EQ(LeadingNumber("1e3"), 1000);
    EXPECT_EQ(LeadingNumber("3e"), 3);
    EXPECT_EQ(LeadingNumber("3e+x"), 3);
    EXPECT_EQ(LeadingNumber("1 2"), 1);
}

TEST(LeadingNumber, GivesZeroWithoutANumber) {
    EXPECT_EQ(LeadingNumber(""), 0);
    EXPECT_EQ(LeadingNumber("   "), 0);
    EXPECT_EQ(LeadingNumber("abc"), 0);
    EXPECT_EQ(LeadingNumber("-"), 0);
    EXPECT_EQ(LeadingNumber("."), 0);
    EXPECT_EQ(LeadingNumber("\t5"), 0);
}

TEST(RoundToInt16, RoundsHalfToEven) {
    EXPECT_EQ(RoundToInt16(2.5), 2);
    EXPECT_EQ(RoundToInt16(3.5), 4);
    EXPECT_EQ(RoundToInt16(-2.5), -2);
    EXPECT_EQ(RoundToInt16(2.4999), 2);
    EXPECT_EQ(RoundToInt16(32767.4), 32767);
    EXPECT_EQ(RoundToInt16(-32768.5), -32768);
}

TEST(RoundToInt16, OverflowIsARunError) {
    for (double v : {32767.5, 32768.0, -32769.0, 1e300, -1e300, LeadingNumber("1e999")})
        EXPECT_EQ(RunErrorOf([v] { RoundToInt16(v); }), ErrNo::Overflow) << v;
}

TEST(ClampToInt16, RoundsHalfToEvenAndKeepsTheLimits) {
    EXPECT_EQ(ClampToInt16(2.5), 2);
    EXPECT_EQ(ClampToInt16(3.5), 4);
    EXPECT_EQ(ClampToInt16(32767.4), 32767);
    EXPECT_EQ(ClampToInt16(32767.5), 32767);
    EXPECT_EQ(ClampToInt16(LeadingNumber("99999999999999999999")), 32767);
    EXPECT_EQ(ClampToInt16(LeadingNumber("1e999")), 32767);
    EXPECT_EQ(ClampToInt16(-40000), -32768);
    EXPECT_EQ(ClampToInt16(LeadingNumber("-1e999")), -32768);
}

TEST(NumberText, NonNegativeNumbersGetALeadingBlank) {
    EXPECT_EQ(NumberText(3), " 3");
    EXPECT_EQ(NumberText(-7), "-7");
    EXPECT_EQ(NumberText(2.5), " 2.5");
    EXPECT_EQ(NumberText(0), " 0");
    EXPECT_EQ(NumberText(-0.0), " 0");
    EXPECT_EQ(NumberText(-0.25), "-0.25");
    EXPECT_EQ(NumberText(32767), " 32767");
    // Whole numbers print as digits up to 15 of them, then in the exponent form.
    EXPECT_EQ(NumberText(-999999999999999), "-999999999999999");
    EXPECT_EQ(NumberText(1e15), " 1E+15");
    EXPECT_EQ(NumberText(-3e20), "-3E+20");
}
