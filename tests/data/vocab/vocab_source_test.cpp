// The vocabulary list builder: how it links a source, and that it refuses a faulty one with
// the line at fault.

#include "data/vocab/VocabList.h"

#include <gtest/gtest.h>

namespace {

std::string Build(const std::string& source) {
    return VocabListText(LinkVocabList(ParseVocabSource(source)));
}

// The source line and message of the fault the builder reports.
std::pair<int, std::string> Fault(const std::string& source) {
    try {
        Build(source);
    } catch (const VocabSourceError& e) {
        return {e.line(), e.what()};
    }
    return {0, "no fault reported"};
}

TEST(VocabBuilder, WritesRecordsWithTheirLinks) {
    // Records 0 and 2 are one word, whose chapter-3 entry repeats and extends chapter 1's;
    // "I go" is shared by two words, "I walk" belongs to one word only and stays unlinked.
    // Blanks and tabs around a line and its fields are dropped.
    const std::string source = "# a comment\n"
                               "chapter 1\n"
                               "badi/zw ; badiou=mai ; I walk\n"
                               "e)n [Dat] ; ; in [Dat]\r\n"
                               "\n"
                               "\tchapter 3 \t\n"
                               "badi/zw ; ; I walk ; I go\n"
                               "\te)/rxomai\t;\tei)=mi ;I come\t; I go \t\n";
    const std::string expected = "4\r\n"
                                 // record 0
                                 "1\r\nbadi/zw\r\nbadiou=mai\r\n2\r\n-1\r\n0\r\nNone\r\n1\r\n"
                                 "I walk\r\n-1\r\n-1\r\n-1\r\n-1\r\n0\r\nNone\r\n"
                                 "\r\n"
                                 // record 1
                                 "1\r\ne)n\r\ne)n\r\n-1\r\n-1\r\n1\r\nDat\r\n1\r\n"
                                 "in\r\n-1\r\n-1\r\n-1\r\n-1\r\n1\r\nDat\r\n"
                                 "\r\n"
                                 // record 2: an empty second form is the headword
                                 "3\r\nbadi/zw\r\nbadi/zw\r\n-1\r\n0\r\n0\r\nNone\r\n2\r\n"
                                 "I walk\r\n-1\r\n-1\r\n-1\r\n-1\r\n0\r\nNone\r\n"
                                 "I go\r\n3\r\n1\r\n-1\r\n-1\r\n0\r\nNone\r\n"
                                 "\r\n"
                                 // record 3
                                 "3\r\ne)/rxomai\r\nei)=mi\r\n-1\r\n-1\r\n0\r\nNone\r\n2\r\n"
                                 "I come\r\n-1\r\n-1\r\n-1\r\n-1\r\n0\r\nNone\r\n"
                                 "I go\r\n-1\r\n-1\r\n2\r\n1\r\n0\r\nNone\r\n";
    EXPECT_EQ(Build(source), expected);
}

// A chapter written below a later one still comes first in both chains.
TEST(VocabBuilder, OrdersChainsByChapterNotByLine) {
    std::vector<ListRecord> r = LinkVocabList(ParseVocabSource("chapter 32767\n"
                                                               "lu/w ; ; I loose ; I free\n"
                                                               "chapter 2\n"
                                                               "lu/w ; ; I loose\n"
                                                               "e)leuqero/w ; ; I free\n"));
    EXPECT_EQ((std::vector{r[1].prevEntry, r[1].nextEntry, r[0].prevEntry, r[0].nextEntry}),
              (std::vector{-1, 0, 1, -1}));
    EXPECT_EQ(r[0].word.chapter, 32767);
    EXPECT_EQ(r[2].meanings[0].nextWord, 0);
    EXPECT_EQ((std::pair{r[0].meanings[1].prevWord, r[0].meanings[1].prevMeaning}),
              (std::pair{2, 0}));
}

TEST(VocabBuilder, RefusesAFaultySourceWithItsLine) {
    struct Case {
        std::string source;
        int line;
        std::string words; // part of the message
    };
    std::vector<Case> cases{
        {"a)gro/s ; ; field\n", 1, "before the first chapter"},
        {"chapter x\n", 1, "whole number"},
        {"chapter 0\n", 1, "whole number"},
        {"chapter 1\nchapter 32768\n", 2, "whole number"},
        {"chapter -1\n", 1, "whole number"},
        {"chapter 2x\n", 1, "whole number"},
        {"chapter 1\n\na)gro/s ; field\n", 3, "at least one meaning"},
        {"chapter 1\na)gro/s [Abl] ; ; field\n", 2, "unknown construction marker [Abl]"},
        {"chapter 1\na)gro/s ; ; field ; \n", 2, "empty meaning"},
        {"chapter 1\na)gro/s ; ; a ; b ; c ; d ; e ; f ; g\n", 2, "more than six meanings"},
        {"chapter 1\na)gro/s ; ; field]\n", 2, "a ']' without its '['"},
        {"chapter 1\na)gro/s ; ; fie[ld\n", 2, "bracket that is not its marker"},
        {"chapter 1\na)gro/s ; ; a [Acc] field\n", 2, "bracket that is not its marker"},
        {"chapter 1\na)gro/s ; ; field\x7f\n", 2, "ASCII"},
        {"chapter 1\na)gro/s ; ; fi\teld\n", 2, "ASCII"},
        {"chapter 1\nlu/w ; ; I loose ; release\n", 2, "'I release'"},
        {"chapter 1\nlu/w ; ; loose ; loose\n", 2, "stands twice"},
        {"chapter 1\nlu/w ; ; I loose \xc3\xa9\n", 2, "ASCII"},
        {"chapter 1\nagro/s ; ; field\n", 2, "no breathing"},
        {"chapter 1\na)gro/s ; tou= agrou= ; field\n", 2, "second form"},
        {"chapter 1\nlu/w ; ; I loose\nchapter 2\nlu/w ; ; I release\n", 4, "drops 'I loose'"},
        {"chapter 1\nlu/w ; ; I loose\nlu/w ; ; I loose\n", 3, "two entries in one chapter"},
        // Longer chains, at each place: the last, the first and a middle pair of entries.
        {"chapter 1\nlu/w ; ; I loose\nchapter 2\nlu/w ; ; I loose ; I release\n"
         "chapter 3\nlu/w ; ; I loose\n",
         6, "drops 'I release' of its entry on line 4"},
        {"chapter 1\nlu/w ; ; I loose ; I release\nchapter 2\nlu/w ; ; I loose\n"
         "chapter 3\nlu/w ; ; I loose ; I release\n",
         4, "drops 'I release' of its entry on line 2"},
        {"chapter 1\nlu/w ; ; I loose\nchapter 2\nlu/w ; ; I loose ; I release\n"
         "chapter 3\nlu/w ; ; I loose\nchapter 4\nlu/w ; ; I loose ; I release\n",
         6, "drops 'I release' of its entry on line 4"},
        {"chapter 1\nlu/w ; ; I loose\nlu/w ; ; I loose\nchapter 2\nlu/w ; ; I loose\n", 3,
         "two entries in one chapter (lines 2 and 3)"},
        {"chapter 2\nlu/w ; ; I loose\nchapter 1\nlu/w ; ; I loose\nchapter 2\nlu/w ; ; I loose\n",
         6, "two entries in one chapter (lines 2 and 6)"},
        {"chapter 1\nlu/w ; ; I free\ne)leuqero/w ; ; I free\nchapter 2\nlu/w ; ; I free\n", 5,
         "only one entry of 'lu/w'"},
        {"chapter 1\ne)n [Dat] ; ; on [Dat]\ne)pi/ ; ; on [Dat]\n", 3, "markers differ"},
        {"chapter 1\nlu/w ; ; go\nb) ; ; go\n", 3, "breathing on a consonant"},
    };
    std::string seven = "chapter 1\n";
    for (const char* word : {"ba/", "ga/", "da/", "za/", "qa/", "la/", "ka/"})
        seven += std::string(word) + " ; ; same\n";
    cases.push_back({seven, 8, "more than six"});
    // As many words as the list's 16-bit count holds, and the one beyond.
    std::string most = "chapter 1\n";
    for (int i = 0; i < 32767; ++i)
        most += "lu/w ; ; I loose\n";
    EXPECT_EQ(ParseVocabSource(most).size(), 32767u);
    cases.push_back({most + "lu/w ; ; I loose\n", 32769, "more than 32767 words"});
    EXPECT_NO_THROW(Build(seven.substr(0, seven.rfind("ka/"))));
    EXPECT_NO_THROW(Build("chapter 1\na)gro/s ; ; a ; b ; c ; d ; e ; f ~\n"));
    for (const Case& c : cases) {
        auto [line, message] = Fault(c.source);
        EXPECT_EQ(line, c.line) << c.source;
        EXPECT_NE(message.find(c.words), std::string::npos) << c.source << "\n" << message;
    }
}

} // namespace
