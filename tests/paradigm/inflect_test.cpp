// The typed item: the parsing put into words, the word asked, judging with the two flags and the
// other spelling.
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
        {VerbDrill, "01116231", {"Present", "Active", "Participle", "Fem. Nom.", "Plural"}},
        {VerbDrill, "01116111", {"Present", "Active", "Participle", "Masc. Nom.", "Singular"}},
        {VerbDrill, "01246321", {"1st Aorist", "Middle", "Participle", "Neut. Nom.", "Dual"}},
        {VerbDrill, "01145001", {"1st Aorist", "Active", "Infinitive", "", ""}},
        {VerbDrill, "01306001", {"Fut. Perfect", "Passive", "Participle", "", ""}},
        {VerbDrill,
         "01391131",
         {"2nd Pluperfect", "Passive", "Indicative", "1st Person", "Plural"}},
        {VerbDrill, "01872431", {"2nd Perfect", "", "Imperative", "", "Plural"}},
        {VerbDrill, "01x-9", {"Fut. Perfect", "", "", "", ""}},
        {NounDrill, "011452", {"M/F/N", "Accusative", "Dual"}},
        {NounDrill, "012243", {"Masc/Fem", "Genitive", "Plural"}},
        {NounDrill, "013061", {"", "", "Singular"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(InflectWords(c.drill, c.code), c.words) << c.code;
}

TEST(InflectTexts, TheWordIsTheNameOfTheLastItemOfItsNumber) {
    const Words items{"01 lu/w", "02 ei)mi/ extra", "01 pai/w", "03", "04  gap"};
    const std::pair<const char*, const char*> cases[] = {
        {"01111111", "pai/w"}, {"02111111", "ei)mi/"}, {"03111111", ""},
        {"04111111", ""},      {"05111111", ""},       {"", ""},
    };
    for (auto [code, name] : cases)
        EXPECT_EQ(InflectWordName(items, code), name) << code;
    EXPECT_EQ(VariantCode("01111111"), "01111112");
    EXPECT_EQ(VariantCode("01111112"), "01111111");
    EXPECT_EQ(VariantCode("01111110"), "01111111");
}

class InflectJudging : public ::testing::Test {
protected:
    void TearDown() override { SetRandomScript({}); }

    // lu/w (1), its other spelling lu/ei (2) when it is a candidate, and i(/sthmi (3).
    ParadigmDrill drill(const DrillSettings& settings, bool withVariant, std::size_t asked) {
        ParadigmDrill d(settings);
        std::vector<FormEntry> entries{{"01121111", 1, 0}, {"01121112", 2, 5}, {"02111111", 3, -2}};
        if (!withVariant)
            entries.erase(entries.begin() + 1);
        d.CoolList = CandidateList(entries);
        d.FormLines = {"01121111,luvw", "01121112,luvei", "02111111,i{sthmi,extra"};
        d.HowManyInDrill = 1;
        d.PercentActive = 100;
        d.Start();
        const double pick = (double(asked) + 0.5) / double(d.CoolList.size());
        SetRandomScript({0.0, pick, pick, pick, pick, pick, pick});
        d.NextItem();
        return d;
    }
};

TEST_F(InflectJudging, AccentsAndBreathingsCountAsTheFlagsSay) {
    struct Case {
        const char* answer;
        bool accents, breathings;
        bool right;
    };
    // Asked: i(/sthmi.
    const Case cases[] = {
        {"i(/sthmi", true, true, true},
        {"i(/sthmi", true, false, true},
        {" i( / st hmi ", true, true, true},
        {"i/(sthmi", true, true, false},
        {"i/(sthmi", false, true, true},
        {"i/(sthmi", false, false, true},
        {"i(sthmi", true, false, false},
        {"i(sthmi", false, true, true},
        {"i)/sthmi", false, true, false},
        {"i)/sthmi", false, false, true},
        {"isthmi", false, false, true},
        {"i(\\sthmi", false, true, true},
        {"I(/sthmi", true, true, false},
        {"I(/sthmi", false, false, false},
        {"*i(/sthmi", true, true, false},
        {"*i(/sthmi", false, false, true},
        {"i(/sthmi|", false, true, false},
        {"i(/sthmi.", false, false, true},
        {"", false, false, false},
        {"   ", true, true, false},
        {"/()=", false, false, false},
        {"/=", false, true, false},
        {"Sorry, try again.", false, false, false},
    };
    for (const Case& c : cases) {
        ParadigmDrill d = drill(VerbDrill, true, 2);
        ASSERT_EQ(d.Current().code, "02111111");
        d.AccentsCount = c.accents;
        d.BreathingsCount = c.breathings;
        EXPECT_EQ(d.CheckInflection(c.answer), c.right)
            << c.answer << " accents " << c.accents << " breathings " << c.breathings;
        EXPECT_EQ(d.Current().weight, c.right ? -1 : -3) << c.answer;
        EXPECT_EQ(d.CorrectCount(), c.right ? 1 : 0) << c.answer;
    }
}

TEST_F(InflectJudging, TheOtherSpellingIsRightOnlyWhenItIsACandidate) {
    struct Case {
        const DrillSettings& settings;
        bool withVariant;
        const char* answer;
        bool right;
        const char* variant;
    };
    const Case cases[] = {
        {VerbDrill, true, "lu/w", true, "luvei"}, {VerbDrill, true, "lu/ei", true, "luvei"},
        {VerbDrill, false, "lu/w", true, ""},     {VerbDrill, false, "lu/ei", false, ""},
        {NounDrill, true, "lu/ei", false, ""},    {VerbDrill, true, "lu/ei ", true, "luvei"},
    };
    for (const Case& c : cases) {
        ParadigmDrill d = drill(c.settings, c.withVariant, 0);
        d.AccentsCount = true;
        EXPECT_EQ(d.VariantForm(), c.variant) << c.answer;
        EXPECT_EQ(d.CheckInflection(c.answer), c.right) << c.answer;
        // Only the entry asked changes, whichever spelling was typed.
        EXPECT_EQ(d.CoolList[0].weight, c.right ? 1 : -1) << c.answer;
        if (c.withVariant) {
            EXPECT_EQ(d.CoolList[1].weight, 5) << c.answer;
        }
    }
    // The other spelling asked finds the first as its own other spelling.
    ParadigmDrill d = drill(VerbDrill, true, 1);
    ASSERT_EQ(d.Current().code, "01121112");
    EXPECT_EQ(d.VariantForm(), "luvw");
}

} // namespace
