#include "platform/Numbers.h"
#include "support/RunErrorOf.h"

#include <gtest/gtest.h>
#include <optional>

// A text's leading number; a number field takes the same, but a text without one is no value.
TEST(LeadingNumber, ReadsTheNumberAtTheStartOfAText) {
    const std::pair<const char*, std::optional<double>> cases[] = {
        {"2.5", 2.5},  {"   42abc", 42}, {" -7", -7}, {"+3", 3},   {".5", 0.5}, {"12.5.6", 12.5},
        {"1e3", 1000}, {"3e", 3},        {"3e+x", 3}, {"1 2", 1},  {"", {}},    {"   ", {}},
        {"abc", {}},   {"-", {}},        {".", {}},   {"\t5", {}},
    };
    for (const auto& [text, number] : cases) {
        EXPECT_EQ(LeadingNumber(text), number.value_or(0)) << text;
        if (number)
            EXPECT_EQ(NumberFieldValue(text), *number) << text;
        else
            EXPECT_EQ(RunErrorOf([&] { NumberFieldValue(text); }), ErrNo::TypeMismatch) << text;
    }
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
}
