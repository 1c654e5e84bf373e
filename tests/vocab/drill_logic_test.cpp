#include "greek/GreekStuff.h"
#include "platform/Random.h"
#include "support/TempFolder.h"
#include "vocab/ListFile.h"
#include "vocab/ListText.h"
#include "vocab/Markers.h"
#include "vocab/VocabDrill.h"
#include "vocab/WordChoice.h"

#include <gtest/gtest.h>

namespace {

// A value that Rnd gives so that the whole part of (n x value + 1) is k (1..n).
double pick(int k, int n) {
    return (k - 0.5) / n;
}

class DrillLogicTest : public ::testing::Test {
protected:
    void TearDown() override { SetRandomScript({}); }

    WordTable table(const std::vector<TestWord>& words, double start = 1, double end = 99) {
        return ReadVocabList(folder.write("list.lxv", ListText(words)), start, end);
    }
    // n words of chapter 1 with the given scores (0 for the rest).
    WordTable scored(int n, std::vector<double> scores) {
        std::vector<TestWord> words(std::size_t(n), TestWord{1, "w", {{"m"}}});
        WordTable t = table(words);
        for (std::size_t i = 0; i < scores.size(); ++i)
            t.Records[i].Score = scores[i];
        return t;
    }

    TempFolder folder;
};

TEST_F(DrillLogicTest, MarkerTextsAndCodes) {
    for (int i = 0; i < MarkerItemCount; ++i) {
        const std::string text = MarkerItemText(i);
        EXPECT_EQ(CaseCodeToText(CaseTextToCode(text)), text);
        EXPECT_EQ(SelectCaseIndex(text), i) << text;
    }
    EXPECT_EQ(CaseCodeToText("Xyz"), "");
    EXPECT_EQ(CaseTextToCode(""), "");
    EXPECT_EQ(CaseTextToCode("+ Gen"), "");
    EXPECT_EQ(TransformCase("None") + "|" + TransformCase("Plu") + "|" + TransformCase("Acc"),
              "| (in Plural)| (+ Acc.)");
    const std::pair<const char*, int> select[] = {
        {"+ Gen", 3},  {"+Gen.", 3}, {"gen", 3},   {"Gen", 0},  {"+ GEN.", 0},
        {"plural", 1}, {"plu", 1},   {"part.", 9}, {"None", 0}, {"", 0},
    };
    for (const auto& [text, index] : select)
        EXPECT_EQ(SelectCaseIndex(text), index) << text;
    const std::pair<const char*, int> typed[] = {
        {"P", -1},  {"PA", 9}, {"pl", 1}, {"x", 0}, {"In", -1}, {"inf", 8},
        {"ind", 5}, {"i", -1}, {"a", 2},  {"S", 6}, {"ac", 0},
    };
    for (const auto& [text, index] : typed)
        EXPECT_EQ(TypeAheadIndex(text), index) << text;
}

TEST_F(DrillLogicTest, DirectionFollowsThePercentage) {
    SetRandomScript({pick(15, 100)});
    EXPECT_TRUE(PickLanguage(15));
    SetRandomScript({pick(16, 100)});
    EXPECT_FALSE(PickLanguage(15));
    SetRandomScript({0.0});
    EXPECT_FALSE(PickLanguage(0));
    SetRandomScript({0.9999999999999999});
    EXPECT_TRUE(PickLanguage(100));
}

TEST_F(DrillLogicTest, WordChoiceDrawsCandidatesAndTakesTheLowest) {
    // Scores fall with the index, so the lowest candidate tells how many were drawn.
    std::vector<double> falling;
    for (int i = 0; i < 15; ++i)
        falling.push_back(100 - i);
    auto review = [&](int n) {
        SetRandomScript({0.0, pick(1, n), pick(2, n), pick(n, n), pick(3, n), pick(4, n)});
        return ChooseNextWord(scored(n, falling), 100, 3);
    };
    EXPECT_EQ(review(14), 1);  // two candidates
    EXPECT_EQ(review(15), 14); // five candidates

    // Practice: the first draw at or below 3 x reinforcement becomes the candidate.
    WordTable t = scored(2, {10, 9});
    SetRandomScript({0.0, pick(1, 2), pick(2, 2), pick(1, 2), pick(2, 2)});
    EXPECT_EQ(ChooseNextWord(t, 0, 3), 1);
    // None qualifies: each candidate is its 25th draw; equal scores keep the earlier one.
    t = scored(2, {10, 10});
    std::vector<double> script{0.0};
    for (int i = 0; i < 50; ++i)
        script.push_back(pick(i == 24 ? 2 : 1, 2));
    SetRandomScript(script);
    EXPECT_EQ(ChooseNextWord(t, 0, 3), 1);
    // A roll above the review share is a practice choice; one word is always that word.
    SetRandomScript({pick(26, 100), 0.3});
    EXPECT_EQ(ChooseNextWord(scored(1, {50}), 25, 1), 0);
    EXPECT_EQ(ChooseNextWord(table({}), 25, 1), NoLink);
}

TEST_F(DrillLogicTest, QuestionsFollowTheChainsWithinTheRange) {
    std::vector<TestWord> words{
        {1, "lu/w", {{"loose"}}},
        {3, "lu/w", {{"loose"}, {"release"}}},
        {5, "lu/w", {{"loose"}, {"release"}, {"destroy"}}},
        {2, "a", {{"send"}}},
        {4, "b", {{"send"}}},
        {6, "c", {{"send", -1, 0, -1, 0, 1, "Dat"}}},
    };
    ChainEntries(words, {0, 1, 2});
    ShareMeaning(words, {{3, 0}, {4, 0}, {5, 0}});
    DrillSettings settings;
    settings.Iterations = 2;
    settings.VocabChaptStart = 1;
    settings.VocabChaptEnd = 4;
    settings.Review = 100;
    VocabDrill greek(settings);
    greek.Table = table(words, 1, 4);
    SetRandomScript({pick(100, 100), 0.0, pick(1, 4), pick(1, 4)});
    ASSERT_TRUE(greek.NextItem(3));
    EXPECT_FALSE(greek.ToGreek);
    EXPECT_EQ(greek.CurrentWord, 1);
    EXPECT_EQ(greek.QuizText, BetaToDisplayFont("lu/w"));
    EXPECT_EQ(greek.ChapterText(), "Chapter:  1");
    EXPECT_EQ(greek.LastVisibleSlot(), 1);
    EXPECT_FALSE(greek.Slots[2].Visible);

    settings.VocabChaptStart = 3;
    settings.VocabChaptEnd = 6;
    settings.PercentActive = 100;
    VocabDrill english(settings);
    english.Table = table(words, 3, 6);
    // Drill words: 1, 2, 4, 5; the fourth is record 5 (chapter 6).
    SetRandomScript({0.0, 0.0, pick(4, 4), pick(4, 4), 0.0});
    ASSERT_TRUE(english.NextItem(3));
    EXPECT_TRUE(english.ToGreek);
    EXPECT_EQ(english.QuizText, "send (+ Dat.)");
    EXPECT_EQ(english.AnswerRing, (std::vector<MeaningPair>{{4, 0}, {5, 0}}));
    EXPECT_EQ(english.RingCount, 1);
    EXPECT_TRUE(english.Slots[1].Visible);
    EXPECT_FALSE(english.Slots[2].Visible);
}

TEST_F(DrillLogicTest, NoItemAsksForMoreThanSixSlots) {
    std::vector<TestWord> words;
    for (int i = 0; i < 8; ++i)
        words.push_back({1,
                         "w" + std::to_string(i),
                         {{"a"}, {"b"}, {"c"}, {"d"}, {"e"}, {"f"}, {"g"}, {"h"}, {"i"}}});
    std::vector<std::pair<int, int>> shared;
    for (int i = 0; i < 8; ++i)
        shared.push_back({i, 6});
    ShareMeaning(words, shared);
    words.push_back({1, "e)n", {}}); // no meanings: asked in Greek
    DrillSettings settings;
    settings.Iterations = 5;
    settings.PercentActive = 100;
    settings.Review = 100;
    settings.VocabChaptEnd = 9;
    VocabDrill drill(settings);
    drill.Table = table(words);
    auto visible = [&] {
        int n = 0;
        for (const AnswerSlot& s : drill.Slots)
            n += s.Visible;
        return n;
    };
    // English: the highest meaning the record holds; its chain of eight asks six.
    SetRandomScript({0.0, 0.0, pick(1, 9), pick(1, 9), 0.9999});
    ASSERT_TRUE(drill.NextItem(3));
    EXPECT_EQ(drill.CurrentMeaning, 6);
    EXPECT_EQ(drill.AnswerRing.size(), 6u);
    EXPECT_EQ(drill.AnswerRing.front(), (MeaningPair{0, 6}));
    EXPECT_EQ(visible(), 6);
    // Greek: nine meanings, six slots.
    settings.PercentActive = 0;
    drill.Settings.PercentActive = 0;
    SetRandomScript({0.5, 0.0, pick(1, 9), pick(1, 9)});
    ASSERT_TRUE(drill.NextItem(3));
    EXPECT_EQ(visible(), 6);
    // A word without meanings is asked in Greek, without slots, and judged at the first Enter.
    drill.Settings.PercentActive = 100;
    SetRandomScript({0.0, 0.0, pick(9, 9), pick(9, 9)});
    ASSERT_TRUE(drill.NextItem(3));
    EXPECT_FALSE(drill.ToGreek);
    EXPECT_EQ(visible(), 0);
    EXPECT_EQ(drill.EnterPressed("x", "None"), EnterAction::Judged);
}

TEST_F(DrillLogicTest, AnswersFillTheSlotsAndComeBack) {
    DrillSettings settings;
    settings.Iterations = 2;
    settings.PercentActive = 100;
    settings.VocabChaptEnd = 9;
    VocabDrill drill(settings);
    std::vector<TestWord> words{{1, "a)/gw", {{"lead"}}}, {1, "fe/rw", {{"lead"}}}};
    ShareMeaning(words, {{0, 0}, {1, 0}});
    drill.Table = table(words);
    SetRandomScript({0.0, 0.0, 0.0, 0.0, 0.0});
    ASSERT_TRUE(drill.NextItem(3));
    EXPECT_EQ(drill.ToGoText(), " 2 items out of  2.");
    EXPECT_EQ(drill.ScoreText(), "Drill Score:  0%");
    EXPECT_EQ(drill.StatsText(), " 2/ 2 (words in drill)");

    EXPECT_EQ(drill.EnterPressed("a)/gw", "+ Gen."), EnterAction::Filled);
    EXPECT_EQ(drill.Slots[0].Answer, BetaToDisplayFont("a)/gw"));
    EXPECT_EQ(drill.Slots[0].Case, "+ Gen.");
    EXPECT_EQ(drill.EnterPressed("", "None"), EnterAction::Filled);
    EXPECT_EQ(drill.Slots[1].Answer, "-");
    EXPECT_EQ(drill.Slots[1].Case, "");
    const VocabDrill::TakenBack back = drill.EditAnswer(0);
    EXPECT_EQ(back.UserText, "a)/gw");
    EXPECT_EQ(back.Case, "+ Gen.");
    EXPECT_FALSE(drill.Slots[0].Filled());
    EXPECT_EQ(drill.EditAnswer(1).UserText, "-");
    EXPECT_EQ(drill.EnterPressed("fe/rw", "p"), EnterAction::Filled);
    EXPECT_EQ(drill.Slots[0].Case, "p");
    EXPECT_EQ(drill.EnterPressed("x", "None"), EnterAction::Filled);
    EXPECT_EQ(drill.EnterPressed("typed meanwhile", "None"), EnterAction::Judged);
    EXPECT_EQ(drill.EnterCaption, "Next");
    EXPECT_EQ(drill.EnterPressed("", "None"), EnterAction::NextItem);
    EXPECT_EQ(drill.EnterCaption, "Okay");
    ASSERT_TRUE(drill.NextItem(3));
    EXPECT_EQ(drill.ToGoText(), "Last item out of  2!");
    EXPECT_FALSE(drill.Slots[0].Filled());
    EXPECT_FALSE(drill.NextItem(3));
}

TEST_F(DrillLogicTest, CountersHoldAtTheirLargestAndBelowZero) {
    DrillSettings settings;
    settings.Iterations = 32767;
    VocabDrill most(settings);
    most.Table = scored(1, {});
    SetRandomScript({0.5});
    ASSERT_TRUE(most.NextItem(3));
    EXPECT_EQ(most.ToGoText(), " 32767 items out of  32767.");
    most.CorrectCount = most.Attempts = 32767 * 6;
    EXPECT_EQ(most.ScoreText(), "Drill Score:  100%");
    for (int iterations : {0, -5}) {
        settings.Iterations = iterations;
        VocabDrill none(settings);
        none.Table = scored(1, {});
        EXPECT_FALSE(none.NextItem(3));
    }
}

} // namespace
