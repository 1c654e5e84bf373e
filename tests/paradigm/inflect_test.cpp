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
        {NounDrill, "011452", {"M/F/N", "Accusative", "Dual"}},
        {NounDrill, "012243", {"Masc/Fem", "Genitive", "Plural"}},
        {NounDrill, "013061", {"", "", "Singular"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(InflectWords(c.drill, c.code), c.words) << c.code;
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
