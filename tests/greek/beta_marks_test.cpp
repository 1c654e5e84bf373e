#include "greek/GreekStuff.h"
#include "support/RunErrorOf.h"

#include <gtest/gtest.h>
#include <string>

TEST(SortBetaMarks, PutsEveryRunOfMarksIntoCanonicalOrder) {
    EXPECT_EQ(SortBetaMarks("a|)/"), "a)/|");
    EXPECT_EQ(SortBetaMarks("a/)"), "a)/");
    EXPECT_EQ(SortBetaMarks("a+/"), "a/+");
    EXPECT_EQ(SortBetaMarks(")*a"), "*)a");
    EXPECT_EQ(SortBetaMarks("a|=( h\\)|"), "a(=| h)\\|");
    EXPECT_EQ(SortBetaMarks("e)/ra"), "e)/ra");
    EXPECT_EQ(SortBetaMarks(""), "");
}

TEST(SortBetaMarks, MergesRunsOfCapitalMarkers) {
    EXPECT_EQ(SortBetaMarks("*(=*a"), "*(=a");
    EXPECT_EQ(SortBetaMarks("*)/*a"), "*)/a");
    EXPECT_EQ(SortBetaMarks("**a"), "*a");
    EXPECT_EQ(SortBetaMarks("***a"), "*a");
    EXPECT_EQ(SortBetaMarks("*a *b"), "*a *b");
}

TEST(SortBetaMarks, MarksNeverCrossOtherCharacters) {
    EXPECT_EQ(SortBetaMarks("a|,)"), "a|,)");
    EXPECT_EQ(SortBetaMarks("a| )"), "a| )");
    EXPECT_EQ(SortBetaMarks("|\x80/"), "|\x80/");
    // Two marks of one group: the first stays where the second blocks it.
    EXPECT_EQ(SortBetaMarks("/=("), "/(=");
}

TEST(StripFilters, RemoveExactlyTheirCharacters) {
    EXPECT_EQ(StripBetaMarks("*)/a"), "a");
    EXPECT_EQ(StripBetaMarks("lu/w, lu/eis."), "luw lueis");
    EXPECT_EQ(StripBetaMarks("a)/|"), "a");
    EXPECT_EQ(StripBetaMarks("[x-y];(z)+=\\"), "xyz");
    EXPECT_EQ(StripAccents("*)/a"), "*)a");
    EXPECT_EQ(StripAccents("i/+"), "i");
    EXPECT_EQ(StripAccents("a)/|"), "a)|");
    EXPECT_EQ(StripSpaces(" a b "), "ab");
    EXPECT_EQ(StripSpaces("   "), "");
    EXPECT_EQ(StripSpaces("a\tB 1\xa0"), "a\tB1\xa0");
    EXPECT_EQ(StripBetaMarks("AZ09\xff:?'"), "AZ09\xff:?'");
}

TEST(Fields, SplitAtEverySeparator) {
    EXPECT_EQ(CountFields("", ","), 0);
    EXPECT_EQ(CountFields("a", ","), 1);
    EXPECT_EQ(CountFields("a,,b,", ","), 4);
    EXPECT_EQ(GetField("a,,b,", ",", 1), "a");
    EXPECT_EQ(GetField("a,,b,", ",", 2), "");
    EXPECT_EQ(GetField("a,,b,", ",", 3), "b");
    EXPECT_EQ(GetField("a,,b,", ",", 4), "");
    EXPECT_EQ(CountFields(",", ","), 2);
    EXPECT_EQ(CountFields("to run and to see", " and "), 2);
    EXPECT_EQ(GetField("to run and to see", " and ", 2), "to see");
    EXPECT_EQ(GetField("band and", " and", 1), "band");
    EXPECT_EQ(CountFields("aaa", "aa"), 2);
    EXPECT_EQ(GetField("aaa", "aa", 2), "a");
}

TEST(Fields, CarriageReturnSeparatesTheCandidateList) {
    const std::string list = "1111111 12 3\r2111111 40 1\r3111111 7 10";
    EXPECT_EQ(CountFields(list, "\r"), 3);
    EXPECT_EQ(GetField(list, "\r", 2), "2111111 40 1");
    EXPECT_EQ(GetField(GetField(list, "\r", 3), " ", 3), "10");
    EXPECT_EQ(CountFields("x\r\ny", "\r"), 2);
    EXPECT_EQ(GetField("x\r\ny", "\r", 2), "\ny");
}

TEST(Fields, AnEmptySeparatorLeavesOneField) {
    EXPECT_EQ(CountFields("a,b", ""), 1);
    EXPECT_EQ(GetField("a,b", "", 1), "a,b");
    EXPECT_EQ(CountFields("", ""), 0);
}

TEST(Fields, MissingFieldIsSubscriptOutOfRange) {
    EXPECT_EQ(RunErrorOf([] { GetField("a,b", ",", 3); }), ErrNo::SubscriptOutOfRange);
    EXPECT_EQ(RunErrorOf([] { GetField("", ",", 1); }), ErrNo::SubscriptOutOfRange);
    EXPECT_EQ(RunErrorOf([] { GetField("a,b", ",", 0); }), ErrNo::SubscriptOutOfRange);
    EXPECT_EQ(RunErrorOf([] { GetField("a,b", ",", -1); }), ErrNo::SubscriptOutOfRange);
}

TEST(Fields, MoreThan32767FieldsOverflow) {
    const std::string most(32766, ',');
    EXPECT_EQ(CountFields(most, ","), 32767);
    EXPECT_EQ(RunErrorOf([&] { CountFields(most + ",", ","); }), ErrNo::Overflow);
    EXPECT_EQ(RunErrorOf([] { CountFields(std::string(1'000'000, 'x'), "x"); }), ErrNo::Overflow);
    // Asking for one field of such a text is fine.
    EXPECT_EQ(GetField(most + ",z", ",", 32768), "z");
}
