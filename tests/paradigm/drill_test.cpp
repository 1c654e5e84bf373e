// The drill model: item sequence with scripted random numbers, judging, weights, score, summary.
#include "data/paradigms/DataFiles.h"
#include "paradigm/DrillSettings.h"
#include "paradigm/ParadigmDrill.h"
#include "paradigm/ParseMode.h"
#include "platform/Random.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>

namespace {

std::string weights(const CandidateList& list) {
    std::string text;
    for (const FormEntry& entry : list.entries())
        text += std::to_string(entry.weight) + " ";
    return text;
}

class DrillTest : public ::testing::Test {
protected:
    void TearDown() override { SetRandomScript({}); }
};

TEST_F(DrillTest, ANewItemDrawsItsModeThenSixCandidatesAndTheLightestWins) {
    struct Case {
        const char* name;
        int percentActive;
        std::vector<double> script;
        bool parseMode;
        std::size_t drawn;
    };
    const Case cases[] = {
        {"first lightest of ties", 50, {0.5, 0.0, 0.3, 0.9, 0.6, 0.0, 0.0}, true, 1},
        {"all equal but the last", 50, {0.49, 0.6, 0.6, 0.6, 0.6, 0.6, 0.8}, false, 3},
        {"percent active 100", 100, {0.99, 0.6, 0.6, 0.6, 0.6, 0.6, 0.6}, false, 2},
        {"percent active 0", 0, {0.0, 0.99, 0.0, 0.0, 0.0, 0.0, 0.3}, true, 3},
        {"100 at the top", 100, {0.995, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0}, false, 0},
    };
    for (const Case& c : cases) {
        ParadigmDrill drill(VerbDrill);
        drill.CoolList = CandidateList({{"a", 1, 0}, {"b", 2, -1}, {"c", 3, 2}, {"d", 4, -1}});
        drill.PercentActive = c.percentActive;
        drill.HowManyInDrill = 1;
        drill.Start();
        SetRandomScript(c.script);
        ASSERT_EQ(drill.NextItem(), ParadigmDrill::Next::NewForm) << c.name;
        EXPECT_EQ(drill.ParseMode(), c.parseMode) << c.name;
        EXPECT_EQ(drill.CurrentPosition(), c.drawn) << c.name;
        EXPECT_EQ(drill.AnswerCount(), 1u) << c.name;
        EXPECT_EQ(drill.NextItem(), ParadigmDrill::Next::Ended) << c.name;
    }
}

// A wrong parse is judged against the nearest open parsing (the first of equally near ones): its
// hint, and its weight, on the entry that later draws and judgings read.
TEST_F(DrillTest, AFormSharedByThreeParsingsIsAskedUntilEachIsAnswered) {
    // Candidates A, B, C share one spelling (and a code not drilled); D stands alone.
    ParadigmDrill drill(VerbDrill);
    drill.CoolList = CandidateList(
        {{"01111111", 1, 0}, {"01111131", 2, 0}, {"01113111", 3, 0}, {"01211111", 4, 0}});
    drill.FormLines = {"01111111,lu/w", "01111131,lu/w", "01113111,lu/w", "01211111,lu/sw"};
    drill.Index.Load({"01211111", "01111111 01111131 01999999 01113111"});
    drill.HowManyInDrill = 3;
    drill.Start();
    SetRandomScript({0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0});
    ASSERT_EQ(drill.NextItem(), ParadigmDrill::Next::NewForm);
    EXPECT_EQ(drill.AnswerCount(), 3u);
    // Equally near A and B: A's hint and weight. Then B's parse is right for B; A stays open.
    drill.CountAttempt();
    EXPECT_EQ(drill.CheckParse("0111112").hint, "Select a different Number and try again.");
    drill.CountAttempt();
    EXPECT_TRUE(drill.CheckParse("0111113").right);
    EXPECT_EQ(weights(drill.CoolList), "-1 1 0 0 ");
    drill.AdvanceDrill();
    EXPECT_EQ(drill.Score(), 50);

    ASSERT_EQ(drill.NextItem(), ParadigmDrill::Next::SameForm);
    EXPECT_EQ(drill.Current().code, "01111111");
    EXPECT_EQ(drill.AnswerCount(), 2u);
    // Nearest to 0121311 is C (one typing error), then A is answered.
    drill.CountAttempt();
    const ParadigmDrill::ParseVerdict verdict = drill.CheckParse("0121311");
    EXPECT_FALSE(verdict.right);
    EXPECT_EQ(verdict.hint, "Select a different Voice and try again.");
    drill.CountAttempt();
    EXPECT_TRUE(drill.CheckParse("0111111").right);
    EXPECT_EQ(weights(drill.CoolList), "0 1 -1 0 ");
    drill.AdvanceDrill();

    ASSERT_EQ(drill.NextItem(), ParadigmDrill::Next::SameForm);
    EXPECT_EQ(drill.Current().code, "01113111");
    EXPECT_EQ(drill.AnswerCount(), 1u);
    drill.CountGiveUp();
    drill.AdvanceDrill();
    EXPECT_EQ(drill.Score(), 33); // (3 - 1 give-up - 2 wrong x 2/4) / 3
}

// Over the shipped files: every parsing of a form that several share is right for its own parse,
// whichever of them was drawn, though two of them may differ only by two neighbouring digits
// swapped (the tense and mood of ἦτε); its own weight, and no other, rises.
TEST_F(DrillTest, EachParsingOfAShippedFormIsRightForItsOwnParseWhicheverWasDrawn) {
    for (const DrillSettings* settings : {&VerbDrill, &NounDrill}) {
        const std::vector<std::string> lines = ReadDataLines(DataFilePath(settings->formFile));
        const std::vector<std::string> groups = ReadDataLines(DataFilePath(settings->indexFile));
        ASSERT_FALSE(lines.empty()) << settings->formFile;
        ASSERT_FALSE(groups.empty()) << settings->indexFile;
        std::map<std::string, int> idxOf;
        for (std::size_t i = 0; i < lines.size(); ++i)
            idxOf.emplace(lines[i].substr(0, lines[i].find(',')), int(i) + 1);
        std::string refused;
        for (const std::string& group : groups) {
            // The group's forms, all of them candidates, in file order.
            std::vector<FormEntry> members;
            for (int k = 1; k <= CountFields(group, " "); ++k) {
                const std::string code = GetField(group, " ", k);
                ASSERT_EQ(idxOf.count(code), 1u) << code << " of " << settings->indexFile
                                                 << " is no form of " << settings->formFile;
                members.push_back({code, idxOf.at(code), 0});
            }
            std::sort(members.begin(), members.end(),
                      [](const FormEntry& a, const FormEntry& b) { return a.idx < b.idx; });
            const std::size_t n = members.size();
            for (std::size_t drawn = 0; drawn < n; ++drawn) {
                for (std::size_t own = 0; own < n; ++own) {
                    ParadigmDrill drill(*settings);
                    drill.CoolList = CandidateList(members);
                    drill.Index.Load({group});
                    drill.HowManyInDrill = 1;
                    drill.Start();
                    const double d = (double(drawn) + 0.5) / double(n);
                    SetRandomScript({0.0, d, d, d, d, d, d});
                    ASSERT_EQ(drill.NextItem(), ParadigmDrill::Next::NewForm);
                    ASSERT_EQ(drill.CurrentPosition(), drawn);
                    ASSERT_EQ(drill.AnswerCount(), n) << group;
                    const std::string code = members[own].code;
                    std::string raised;
                    for (std::size_t k = 0; k < n; ++k)
                        raised += k == own ? "1 " : "0 ";
                    const auto parse = code.substr(0, std::size_t(settings->parseCodeLength));
                    if (!drill.CheckParse(parse).right || weights(drill.CoolList) != raised)
                        refused += " " + code + " drawn " + members[drawn].code + ";";
                }
            }
        }
        EXPECT_EQ(refused, "") << settings->indexFile;
    }
}

TEST(DrillScore, GiveUpsCostAnItemAndWrongTriesTheirSquareOverAttempts) {
    struct Case {
        int done, giveUps, attempts, correct, score;
    };
    const Case cases[] = {
        {5, 1, 6, 4, 67},   {8, 1, 0, 0, 88},
        {10, 1, 12, 9, 82}, {3, 0, 30, 1, 0},
        {1, 0, 1, 1, 100},  {2, 0, 0, 0, 100},
        {4, 4, 0, 0, 0},    {0, 0, 0, 0, 100},
        {8, 0, 8, 7, 98},   {40000, 1, 40000, 39999, 100},
        {4, 3, 2, 1, 12},   {8, 5, 0, 0, 38}, // 12.5 and 37.5: halves go to the even number
    };
    for (const Case& c : cases)
        EXPECT_EQ(DrillScore(c.done, c.giveUps, c.attempts, c.correct), c.score)
            << c.done << " " << c.giveUps << " " << c.attempts << " " << c.correct;
}

TEST(ParseTexts, HintsNameOneToFourDifferingParts) {
    struct Case {
        const char* parse;
        const char* target;
        const char* hint;
    };
    const Case cases[] = {
        {"0111111", "01111111", "Select a different  and try again."},
        {"0121311", "01111111", "Select a different Voice and Mood and try again."},
        {"0213113", "01111111", "Select a different Verb, Tense, and Number and try again."},
        {"0223211", "01111111", "Select a different Verb, Voice, Tense, and Mood and try again."},
        {"0111112", "01111111", "Select a different Number and try again."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HintText(DifferingParts(VerbDrill, c.parse, c.target)), c.hint) << c.parse;
    EXPECT_EQ(HintText(DifferingParts(NounDrill, "011534", "011531")),
              "Select a different Number and try again.");
}

// Buttons to a parse code, or the last missing choice named; a give-up's code to buttons, or N/A.
TEST(ParseTexts, TheButtonsAndTheParseCodeBothWays) {
    struct Case {
        const DrillSettings& drill;
        const char* word;
        std::vector<char> digits;
        const char* code;
        const char* missing;
    };
    const Case cases[] = {
        {VerbDrill, "", {0, 0, 0, 0, 0}, "", "Verb"},
        {VerbDrill, "03 name", {'1', '2', 0, '1', 0}, "", "Number"},
        {VerbDrill, "03 name", {0, '2', 0, '1', '1'}, "", "Voice"},
        {VerbDrill, "03 name", {'1', 0, '1', '1', '1'}, "", "Tense"},
        {VerbDrill, "03 name", {'1', '1', 0, '1', '1'}, "", "Mood"},
        {VerbDrill, "03 name", {'1', '1', '1', 0, '1'}, "", "Person"},
        {VerbDrill, "03 name", {'1', '2', '5', '0', '0'}, "0312500", ""},
        {NounDrill, "12 x", {'1', 0, 0, '3'}, "", "Gender"},
        {NounDrill, "12 x", {'1', '5', '4', '3'}, "121543", ""},
    };
    for (const Case& c : cases) {
        std::string missing;
        EXPECT_EQ(ParseCodeOf(c.drill, c.word, c.digits, missing), c.code) << c.missing;
        EXPECT_EQ(missing, c.missing);
    }
    EXPECT_EQ(GiveUpDigits(VerbDrill, "01116131"), (std::vector<char>{'1', '1', '6', '1', '3'}));
    // An infinitive's person and number are shown as N/A, whatever its code holds there.
    EXPECT_EQ(GiveUpDigits(VerbDrill, "01115231"), (std::vector<char>{'1', '1', '5', '0', '0'}));
    EXPECT_EQ(GiveUpDigits(NounDrill, "013452"), (std::vector<char>{'3', '4', '5', '2'}));
    EXPECT_EQ(GiveUpDigits(NounDrill, "019962"), (std::vector<char>{0, 0, 0, '2'}));
}

TEST(CandidateListWeights, WeightsStayWithin16Bits) {
    CandidateList list({{"01111111", 1, 0}, {"01111121", 20, 0}, {"02111111", 32766, 0}});
    list.SetFormWeight(0, 40000);
    list.SetFormWeight(2, -40000);
    EXPECT_EQ(weights(list), "32767 0 -32768 ");
}

} // namespace
