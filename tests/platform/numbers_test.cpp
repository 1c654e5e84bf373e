#include "platform/Numbers.h"
#include "support/RunErrorOf.h"

#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <tuple>

// A text's leading number; a number field takes the same, but a text without one is no value.
TEST(LeadingNumber, ReadsTheNumberAtTheStartOfAText) {
    const std::pair<const char*, std::optional<double>> cases[] = {
        {"2.5", 2.5},     {"   42abc", 42}, {" -7", -7},         {"+3", 3},      {".5", 0.5},
        {"12.5.6", 12.5}, {"1e3", 1000},    {"3e", 3},           {"3e+x", 3},    {"1 2", 1},
        {"", {}},         {"   ", {}},      {"abc", {}},         {"-", {}},      {".", {}},
        {"\t5", {}},      {"1e+3", 1000},   {"-2.5E-1x", -0.25}, {"0.05", 0.05}, {"10", 10},
    };
    for (const auto& [text, number] : cases) {
        EXPECT_EQ(LeadingNumber(text), number.value_or(0)) << text;
        if (number)
            EXPECT_EQ(NumberFieldValue(text), *number) << text;
        else
            EXPECT_EQ(RunErrorOf([&] { NumberFieldValue(text); }), ErrNo::TypeMismatch) << text;
    }
}

// Rounding half to even into 16 bits: beyond the range RoundToInt16 overflows where
// ClampToInt16 holds the limit.
TEST(RoundToInt16, RoundsHalfToEvenAndOverflowsWhereClampHoldsTheLimit) {
    const std::tuple<double, std::optional<int>, int> cases[] = {
        {2.5, 2, 2},
        {3.5, 4, 4},
        {-2.5, -2, -2},
        {2.4999, 2, 2},
        {32767.4, 32767, 32767},
        {-32768.5, -32768, -32768},
        {32767.5, {}, 32767},
        {32768.0, {}, 32767},
        {-32769.0, {}, -32768},
        {1e300, {}, 32767},
        {-1e300, {}, -32768},
        {LeadingNumber("1e999"), {}, 32767},
        {LeadingNumber("-1e999"), {}, -32768},
        {std::numeric_limits<double>::quiet_NaN(), {}, 0}};
    for (const auto& [value, rounded, clamped] : cases) {
        if (rounded)
            EXPECT_EQ(RoundToInt16(value), *rounded) << value;
        else
            EXPECT_EQ(RunErrorOf([&] { RoundToInt16(value); }), ErrNo::Overflow) << value;
        EXPECT_EQ(ClampToInt16(value), clamped) << value;
    }
}

TEST(NumberText, NonNegativeNumbersGetALeadingBlank) {
    EXPECT_EQ(NumberText(3), " 3");
    EXPECT_EQ(NumberText(-7), "-7");
    EXPECT_EQ(NumberText(2.5), " 2.5");
    EXPECT_EQ(NumberText(0), " 0");
    EXPECT_EQ(NumberText(-0.0), " 0");
    EXPECT_EQ(NumberText(-0.25), "-0.25");
    EXPECT_EQ(NumberText(0.5), " 0.5");
    EXPECT_EQ(NumberText(32767), " 32767");
    // Whole numbers print as digits up to 15 of them, then in the exponent form.
    EXPECT_EQ(NumberText(-999999999999999), "-999999999999999");
    EXPECT_EQ(NumberText(1e15), " 1E+15");
    EXPECT_EQ(NumberText(-3e20), "-3E+20");
}
