// The check of written Greek that both Data builders run on their sources.

#include "data/common/GreekWordCheck.h"

#include <gtest/gtest.h>

namespace {

TEST(GreekWordCheck, AcceptsSoundWords) {
    for (const char* word :
         {"a)/nqrwpos", "*)aqh=nai", "sw/|zw", "r(a/|dios", "i(ereu/s", "ui(o/s", "a)i/+dios",
          "oi)ki/a", "tou=", "*peiraiw=s", "e)kklhsi/a", "sw=ma", "e)sti/", "lu/ousi",
          // a capital with its marks
          "*)/argos", "*(/ellhnes",
          // final -ai and -oi count short; -ews keeps an acute on the third syllable from the end
          "a)/nqrwpoi", "qa/lattai", "a)/stews",
          // an enclitic written on keeps the accent of the word before it
          "ou)/te", "w(/sper", "ei)/qe", "h(/de"}) {
        EXPECT_EQ(GreekWordProblem(word, Accents::Required), "") << word;
        EXPECT_EQ(GreekWordProblem(word, Accents::MayLack), "") << word;
    }
    // An unaccented word stands only where a word may lack its accent.
    for (const char* word : {"e)n", "te", "ou)", "w(s"}) {
        EXPECT_EQ(GreekWordProblem(word, Accents::MayLack), "") << word;
        EXPECT_NE(GreekWordProblem(word, Accents::Required).find("no accent"), std::string::npos)
            << word;
    }
}

TEST(GreekWordCheck, NamesWhatIsWrongAndTheWordOfATextThatIsWrong) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"a/)nqrwpos", "out of order"},
        {"A)gro/s", "capital ASCII"},
        {"lu/w1", "no Beta-code letter"},
        {"*", "not followed by a letter"},
        {")a", "follows no letter"},
        {"a)(gros", "two marks of one kind"},
        {"brx", "no vowel"},
        {"anqrwpos", "no breathing"},
        {"ra/|dios", "rho but has no rough breathing"},
        {"r)a/|dios", "smooth breathing on rho"},
        {"b)a/", "breathing on a consonant"},
        {"a)gr(o/s", "breathing that does not belong"},
        {"o/i)kos", "first vowel of a diphthong"},
        {"o)/ikos", "first vowel of a diphthong"},
        {"la+s", "diaeresis"},
        {"lo|gos", "iota subscript"},
        {"l/w", "accent on a consonant"},
        {"a)gro\\s", "grave"},
        {"lo/go/s", "more than one accent"},
        {"e)/kklhsia", "before the third syllable"},
        {"sw=mata", "circumflex before the second"},
        {"lo=gos", "circumflex on a short vowel"},
        {"a)/nqrwpou", "acute on the third syllable from the end before a long"},
        {"a)/nqrwpw|", "acute on the third syllable from the end before a long"},
        {"a)/nqrwpois", "acute on the third syllable from the end before a long"},
        {"dw=rou", "circumflex before a long last syllable"},
        {"lu=ei", "circumflex before a long last syllable"},
        {"oi)/kos", "needs a circumflex"},
        {"*)/argos*", "not followed by a letter"},
    };
    for (const auto& [word, words] : cases) {
        const std::string problem = GreekWordProblem(word, Accents::MayLack);
        EXPECT_NE(problem.find(words), std::string::npos) << word << ": " << problem;
    }
    // In a text: the faulty word.
    GreekWordFault fault = FindGreekWordFault("tou= a)grou=,agrou= lo/gos", Accents::MayLack);
    EXPECT_EQ(fault.word, "agrou=");
    EXPECT_NE(fault.problem.find("no breathing"), std::string::npos) << fault.problem;
    EXPECT_EQ(FindGreekWordFault("leleimme/noi  ei)si/", Accents::Required).problem, "");
    EXPECT_EQ(FindGreekWordFault("", Accents::Required).problem, "");
}

} // namespace
