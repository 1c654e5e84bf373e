#include "greek/GreekStuff.h"
#include "support/RunErrorOf.h"

#include <gtest/gtest.h>
#include <string>

// Runs of marks are sorted each on its own: marks never cross another character. Of two marks of
// one group, the first stays where the second blocks it.
TEST(SortBetaMarks, OrdersEachRunOfMarksAndMergesCapitalMarkers) {
    EXPECT_EQ(SortBetaMarks("a|)/ a/) a+/ )*a e)/ra a|=( h\\)|"),
              "a)/| a)/ a/+ *)a e)/ra a(=| h)\\|");
    EXPECT_EQ(SortBetaMarks("*(=*a ***a *a *b"), "*(=a *a *a *b");
    EXPECT_EQ(SortBetaMarks("a|,) a| ) |\x80/ /=("), "a|,) a| ) |\x80/ /(=");
    EXPECT_EQ(SortBetaMarks(""), "");
}

TEST(StripFilters, RemoveExactlyTheirCharacters) {
    EXPECT_EQ(StripBetaMarks("lu/w, *)a|; [x-y](z)+=\\"), "luw a xyz");
    EXPECT_EQ(StripBetaMarks("AZ09\xff:?'\t"), "AZ09\xff:?'\t");
    EXPECT_EQ(StripAccents("*)/a i/+ a)\\=|"), "*)a i a)|");
    EXPECT_EQ(StripSpaces(" a\tB 1\xa0 "), "a\tB1\xa0");
}

// An empty separator never matches. A field that is not there, or more fields than 16 bits count,
// is a run error; asking for one field of such a text is fine.
TEST(Fields, SplitAtEverySeparatorAndCountTo16Bits) {
    struct Field {
        std::string text, sep;
        int count, n;
        std::string field;
    };
    const Field cases[] = {{"a", ",", 1, 1, "a"},
                           {"a,,b,", ",", 4, 2, ""},
                           {"a,,b,", ",", 4, 3, "b"},
                           {"a,,b,", ",", 4, 4, ""},
                           {",", ",", 2, 1, ""},
                           {"to run and to see", " and ", 2, 2, "to see"},
                           {"band and", " and", 2, 1, "band"},
                           {"aaa", "aa", 2, 2, "a"},
                           {"1111111 12 3\r2111111 40 1\r3", "\r", 3, 2, "2111111 40 1"},
                           {"x\r\ny", "\r", 2, 2, "\ny"},
                           {"a,b", "", 1, 1, "a,b"}};
    for (const Field& c : cases) {
        SCOPED_TRACE(c.text + " | " + c.sep);
        EXPECT_EQ(CountFields(c.text, c.sep), c.count);
        EXPECT_EQ(GetField(c.text, c.sep, c.n), c.field);
    }
    EXPECT_EQ(CountFields("", ","), 0);
    EXPECT_EQ(CountFields("", ""), 0);
    for (int n : {3, 0, -1})
        EXPECT_EQ(RunErrorOf([n] { GetField("a,b", ",", n); }), ErrNo::SubscriptOutOfRange) << n;

    const std::string most(32766, ',');
    EXPECT_EQ(CountFields(most, ","), 32767);
    EXPECT_EQ(RunErrorOf([&] { CountFields(most + ",", ","); }), ErrNo::Overflow);
    EXPECT_EQ(RunErrorOf([] { CountFields(std::string(1'000'000, 'x'), "x"); }), ErrNo::Overflow);
    EXPECT_EQ(GetField(most + ",z", ",", 32768), "z");
}
