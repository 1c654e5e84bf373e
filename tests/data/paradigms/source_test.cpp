#include "ParadigmFiles.h"
#include "ParadigmSource.h"
#include "SourceError.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

SourceWord Verb(const std::string& text) {
    std::istringstream in(text);
    return ReadVerbSource(in);
}

SourceWord Noun(const std::string& text) {
    std::istringstream in(text);
    return ReadNounSource(in);
}

std::string Codes(const SourceWord& word) {
    std::string codes;
    for (const auto& f : word.forms)
        codes += (codes.empty() ? "" : " ") + f.code + "=" + f.beta;
    return codes;
}

} // namespace

TEST(VerbSource, TablesGiveCodesInSourceOrder) {
    const auto word = Verb("verb lu/w\n"
                           "active present indicative  # comment\n"
                           "  sg lu/w - lu/ei\n"
                           "\n"
                           "middle passive present indicative\n"
                           "  pl luo/meqa lu/h|,lu/ei lu/ontai\n"
                           "active present infinitive\n"
                           "  inf lu/ein\n"
                           "active present participle\n"
                           "  du lu/onte luou/sa lu/onte\n");
    EXPECT_EQ(word.headword, "lu/w");
    EXPECT_EQ(Codes(word), "111111=lu/w 111311=lu/ei "
                           "211131=luo/meqa 311131=luo/meqa 211231=lu/h| 211232=lu/ei "
                           "311231=lu/h| 311232=lu/ei 211331=lu/ontai 311331=lu/ontai "
                           "115001=lu/ein 116121=lu/onte 116221=luou/sa 116321=lu/onte");
    EXPECT_EQ(word.forms[2].line, 6);
}

TEST(VerbSource, MovableNuAndBlanksWithinAForm) {
    const auto word = Verb("verb le/leimmai\n"
                           "middle 1st-perfect indicative\n"
                           "  sg le/leimmai - e)/luse(n)\n"
                           "  pl - - leleimme/noi_ei)si/(n)\n");
    EXPECT_EQ(Codes(word), "261111=le/leimmai 261311=e)/luse 261312=e)/lusen "
                           "261331=leleimme/noi ei)si/ 261332=leleimme/noi ei)si/n");
}

TEST(NounSource, SharedFormsTakeTheSharedGender) {
    const auto word = Noun("adjective a)/dikos\n"
                           "masculine feminine\n"
                           "  nom a)/dikos a)di/kw a)/dikoi\n"
                           "  voc a)/dike - -\n"
                           "neuter\n"
                           "  nom a)/dikon a)di/kw a)/dika\n"
                           "  voc a)/dikon - -\n");
    EXPECT_EQ(Codes(word), "3141=a)/dikos 3131=a)/dikon 3541=a)/dike 3531=a)/dikon "
                           "3152=a)di/kw 3143=a)/dikoi 3133=a)/dika");
}

TEST(ParadigmSources, FaultsNameTheirLine) {
    struct Case {
        const char* text;
        bool verb;
        int line;
        const char* says;
    };
    const Case cases[] = {
        {"", true, 1, "empty"},
        {"noun lo/gos\n", true, 1, "verb FORM"},
        {"verb lu/w\nactive presnt indicative\n  sg lu/w - -\n", true, 2, "presnt"},
        {"verb lu/w\nactive present\n  sg lu/w - -\n", true, 2, "one tense and one mood"},
        {"verb lu/w\n  sg lu/w - -\n", true, 2, "before the first table"},
        {"verb lu/w\nactive present indicative\n  sg lu/w -\n", true, 3, "3 cells"},
        {"verb lu/w\nactive present indicative\n  sg lu/w - -\n  sg lu/w - -\n", true, 4, "twice"},
        {"verb lu/w\nactive present indicative\n  sg lu/w - -\nactive present indicative\n"
         "  sg lu/w - -\n",
         true, 5, "first on line 3"},
        {"verb lu/w\nactive present indicative\n  sg lu/w a,b,c -\n", true, 3, "two spellings"},
        {"verb lu/w\nactive present indicative\n  sg lu/w lu/eis,lu/ei(n) -\n", true, 3,
         "two spellings"},
        {"verb lu/w\nactive active present indicative\n", true, 2, "named twice"},
        {"verb lu/w\nactive present future indicative\n", true, 2, "one tense"},
        {"verb lu/w\nactive present indicative optative\n", true, 2, "one mood"},
        {"verb lu/w\nactive present indicative\n  sg lu/w lu/eis,lu/eis -\n", true, 3, "different"},
        {"verb lu/w\nactive present indicative\n  sg lu/w ,lu/eis -\n", true, 3, "different"},
        {"verb lu/w\nactive present indicative\n  sg lu/w - lu/ei,\n", true, 3, "different"},
        {"verb lu/w\nactive present indicative\n  sg lu/w lu/eis lu=ei\n", true, 3, "lu=ei"},
        {"verb lu/w\nactive present indicative\n  sg lu/w e/lue -\n", true, 3, "breathing"},
        {"verb lu/w\nactive present indicative\n  sg lu/w lu/ei/ -\n", true, 3, "one accent"},
        {"verb lu/w\nactive present indicative\n  sg lu/w lueis -\n", true, 3, "no accent"},
        {"verb lu/w\nactive present indicative\n", true, 2, "no rows"},
        {"verb lu/w\nactive present infinitive\n  sg lu/ein - -\n", true, 3, "inf"},
        {"verb lu/w\nactive present indicative\n  sg lu/eis - -\n", true, 1, "first form"},
        {"noun lo/gos\nmasculine\n  nom lo/gos lo/gw lo/goi,lo/goi\n", false, 3, "one spelling"},
        {"noun lo/gos\nmasculine\n  nom lo/gos lo/gw\n", false, 3, "3 cells"},
        {"noun lo/gos\nmasculine\n  nom lo/gos - -\nmasculine\n  gen lo/gou - -\n", false, 4,
         "already"},
        {"noun lo/gos\nmasc\n", false, 2, "masc"},
        {"noun lo/gos\n  nom lo/gos - -\n", false, 2, "before the first table"},
        {"noun lo/gos\nmasculine\n  nom lo/gos - -\n  nom lo/gos - -\n", false, 4,
         "first on line 3"},
        {"verb lu/w\nactive present indicative\n  sg lu/w - -\n", false, 1, "adjective FORM"},
        {"noun lo/gos\nmasculine\nneuter\n  nom lo/gon - -\n", false, 2, "no rows"},
    };
    for (const auto& c : cases) {
        try {
            c.verb ? Verb(c.text) : Noun(c.text);
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const SourceError& e) {
            EXPECT_EQ(e.line(), c.line) << c.text << "\n" << e.what();
            EXPECT_NE(std::string(e.what()).find(c.says), std::string::npos) << c.text << "\n"
                                                                             << e.what();
        }
    }
}

TEST(ParadigmFiles, GroupsFollowFileOrderAndFilesEndLinesWithCrLf) {
    const std::vector<DataLine> lines{{"011", "a", "a"}, {"012", "b", "b"}, {"013", "a", "a"},
                                      {"014", "c", "c"}, {"015", "b", "b"}, {"016", "a", "a"}};
    const auto groups = SpellingGroups(lines);
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_EQ(groups[0], (std::vector<std::string>{"011", "013", "016"}));
    EXPECT_EQ(groups[1], (std::vector<std::string>{"012", "015"}));
    EXPECT_EQ(IndexFileText(groups), "2\r\n011 013 016\r\n012 015\r\n");
    EXPECT_EQ(ParadigmFileText(3, {lines[0], lines[1]}), "3\r\n011,a\r\n012,b\r\n");
}

TEST(ParadigmFiles, WordNumbersStopAt99) {
    SourceWord word{"noun", "lo/gos", {{"1111", "lo/gos", 2}}};
    EXPECT_EQ(WordLines(word, 99).front().code, "991111");
    EXPECT_EQ(WordLines(word, 1).front().code, "011111");
    EXPECT_THROW(WordLines(word, 100), SourceError);
    EXPECT_THROW(WordLines(word, 0), SourceError);
}
