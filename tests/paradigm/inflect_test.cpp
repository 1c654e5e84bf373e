// The typed item: the parsing put into words and the judging of a typed form with the two flags.
#include "paradigm/DrillSettings.h"
#include "paradigm/InflectMode.h"
#include "paradigm/ParadigmDrill.h"
#include "platform/Random.h"

#include <gtest/gtest.h>

namespace {

using Words = std::vector<std::string>;

TEST(InflectTexts, TheCodesDigitsAreNamedByEachLabelsTable) {
    struct Case {
        const DrillSettings& drill;
        const char* code;
        Words words;
    };
    const Case cases[] = {
        {VerbDrill, "01246321", {"1st Aorist", "Middle", "Participle", "Neut. Nom.", "Dual"}},
        {VerbDrill, "01306001", {"Fut. Perfect", "Passive", "Participle", "", ""}},
        {VerbDrill, "01872431", {"2nd Perfect", "", "Imperative", "", "Plural"}},
        {VerbDrill, "01x-9", {"Fut. Perfect", "", "", "", ""}},
        {VerbDrill, "01196111", {"2nd Pluperfect", "Active", "Participle", "Masc. Nom.", "Singular"}},
        {NounDrill, "011452", {"M/F/N", "Accusative", "Dual"}},
        {NounDrill, "012243", {"Masc/Fem", "Genitive", "Plural"}},
        {NounDrill, "013061", {"", "", "Singular"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(InflectWords(c.drill, c.code), c.words) << c.code;
}

// The word asked is named by the last item of the list with the code's number: the item's
// second blank-separated field.
TEST(InflectTexts, TheWordIsTheLastListItemOfTheCodesNumber) {
    const std::vector<std::string> items{"01 a", "12 e", "21 d", "12 b c"};
    EXPECT_EQ(InflectWordName(items, "12111111"), "b");
    EXPECT_EQ(InflectWordName(items, "21111111"), "d");
    EXPECT_EQ(InflectWordName(items, "01111111"), "a");
    EXPECT_EQ(InflectWordName(items, "02111111"), "");
}

// A verb form's other spelling (the last digit 1 or 2) is right too, when it is a candidate; a
// noun code's last digit is its number, so the dual is never right for the singular.
TEST(InflectJudging, OnlyAVerbTakesItsOtherSpelling) {
    for (const DrillSettings* settings : {&VerbDrill, &NounDrill}) {
        const bool verb = settings == &VerbDrill;
        const std::string code = verb ? "01111331" : "011111";
        const std::string other = verb ? "01111332" : "011112";
        ParadigmDrill drill(*settings);
        drill.CoolList = CandidateList({{code, 1, 0}, {other, 2, 0}});
        drill.FormLines = {code + ",luvousi", other + ",luvousin"};
        drill.HowManyInDrill = 1;
        drill.Start();
        SetRandomScript({0.99, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0});
        ASSERT_EQ(drill.NextItem(), ParadigmDrill::Next::NewForm);
        drill.AccentsCount = true;
        EXPECT_EQ(drill.VariantForm(), verb ? "luvousin" : "") << code;
        EXPECT_EQ(drill.CheckInflection("lu/ousin"), verb) << code;
        EXPECT_TRUE(drill.CheckInflection("lu/ousi")) << code;
    }
    SetRandomScript({});
}

TEST(InflectJudging, AccentsAndBreathingsCountAsTheFlagsSay) {
    struct Case {
        const char* answer;
        bool accents, breathings, right;
    };
    // Asked: i(/sthmi. Blanks never count; marks are compared as typed, letters as typed.
    const Case cases[] = {
        {" i( / st hmi ", true, true, true}, {"i/(sthmi", true, true, false},
        {"i/(sthmi", false, true, true},     {"i(sthmi", true, false, false},
        {"i(\\sthmi", false, true, true},    {"i)/sthmi", false, true, false},
        {"*i(/sthmi", false, true, false},   {"*i(/sthmi", false, false, true},
        {"i(/sthmi|", false, true, false},   {"   ", true, true, false},
        {"/()=*", false, false, false},      {"Sorry, try again.", false, false, false},
    };
    SetRandomScript({0.5}); // the one candidate, whichever mode is drawn
    for (const Case& c : cases) {
        ParadigmDrill drill(VerbDrill);
        drill.CoolList = CandidateList({{"02111111", 1, -2}});
        drill.FormLines = {"02111111,i{sthmi,extra"};
        drill.HowManyInDrill = 1;
        drill.Start();
        ASSERT_EQ(drill.NextItem(), ParadigmDrill::Next::NewForm) << c.answer;
        drill.AccentsCount = c.accents;
        drill.BreathingsCount = c.breathings;
        EXPECT_EQ(drill.CheckInflection(c.answer), c.right)
            << c.answer << " accents " << c.accents << " breathings " << c.breathings;
        EXPECT_EQ(drill.CoolList[0].weight, c.right ? -1 : -3) << c.answer;
    }
    SetRandomScript({});
}

} // namespace
