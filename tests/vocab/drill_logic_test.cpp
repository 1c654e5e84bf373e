#include "greek/GreekStuff.h"
#include "platform/Random.h"
#include "support/TempFolder.h"
#include "vocab/ListFile.h"
#include "vocab/ListText.h"
#include "vocab/Markers.h"
#include "vocab/VocabDrill.h"
#include "vocab/WordChoice.h"

#include <algorithm>
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
    // A drill over the chapters start..end with every choice a review choice.
    VocabDrill drill(const std::vector<TestWord>& words, int start, int end, int percentActive) {
        VocabSettings settings;
        settings.Iterations = 5;
        settings.VocabChaptStart = start;
        settings.VocabChaptEnd = end;
        settings.PercentActive = percentActive;
        settings.Review = 100;
        VocabDrill d(settings);
        d.Table = table(words, start, end);
        return d;
    }
    static int visible(const VocabDrill& d) {
        return int(std::count_if(d.Slots.begin(), d.Slots.end(),
                                 [](const AnswerSlot& s) { return s.Visible; }));
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

TEST_F(DrillLogicTest, DirectionAndWordFollowTheDraws) {
    SetRandomScript({pick(15, 100), pick(16, 100)});
    EXPECT_TRUE(PickLanguage(15));
    EXPECT_FALSE(PickLanguage(15));
    SetRandomScript({0.9999999999999999});
    EXPECT_TRUE(PickLanguage(100));

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
    VocabDrill greek = drill(words, 1, 4, 0);
    SetRandomScript({pick(100, 100), 0.0, pick(1, 4), pick(1, 4)});
    ASSERT_TRUE(greek.NextItem(3));
    EXPECT_FALSE(greek.ToGreek);
    EXPECT_EQ(greek.CurrentWord, 1);
    EXPECT_EQ(greek.QuizText, BetaToDisplayFont("lu/w"));
    EXPECT_EQ(greek.ChapterText(), "Chapter:  1");
    EXPECT_EQ(visible(greek), 2);

    VocabDrill english = drill(words, 3, 6, 100);
    // Drill words: 1, 2, 4, 5; the fourth is record 5 (chapter 6).
    SetRandomScript({0.0, 0.0, pick(4, 4), pick(4, 4), 0.0});
    ASSERT_TRUE(english.NextItem(3));
    EXPECT_TRUE(english.ToGreek);
    EXPECT_EQ(english.QuizText, "send (+ Dat.)");
    EXPECT_EQ(english.AnswerRing, (std::vector<MeaningPair>{{4, 0}, {5, 0}}));
    EXPECT_EQ(visible(english), 2);
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
    VocabDrill d = drill(words, 1, 9, 100);
    // English: the highest meaning the record holds; its chain of eight asks six.
    SetRandomScript({0.0, 0.0, pick(1, 9), pick(1, 9), 0.9999});
    ASSERT_TRUE(d.NextItem(3));
    EXPECT_EQ(d.CurrentMeaning, 6);
    EXPECT_EQ(d.AnswerRing.size(), 6u);
    EXPECT_EQ(d.AnswerRing.front(), (MeaningPair{0, 6}));
    EXPECT_EQ(visible(d), 6);
    // The eighth word of that chain: the ring keeps the first five and the word asked.
    SetRandomScript({0.0, 0.0, pick(8, 9), pick(8, 9), 0.9999});
    ASSERT_TRUE(d.NextItem(3));
    EXPECT_EQ(d.AnswerRing.size(), 6u);
    EXPECT_EQ(d.AnswerRing.front(), (MeaningPair{0, 6}));
    EXPECT_EQ(d.AnswerRing.back(), (MeaningPair{7, 6}));
    // Greek: nine meanings, six slots.
    SetRandomScript({0.9999, 0.0, pick(1, 9), pick(1, 9)});
    ASSERT_TRUE(d.NextItem(3));
    EXPECT_EQ(visible(d), 6);
    // A word without meanings is asked in Greek, without slots, and judged at the first Enter.
    SetRandomScript({0.0, 0.0, pick(9, 9), pick(9, 9)});
    ASSERT_TRUE(d.NextItem(3));
    EXPECT_FALSE(d.ToGreek);
    EXPECT_EQ(visible(d), 0);
    EXPECT_EQ(d.EnterPressed("x", "None"), EnterAction::Judged);
}

// Iterations of 0 or below end the drill at once: see the drill window's tests.
TEST_F(DrillLogicTest, CountersHoldAtTheirLargest) {
    VocabSettings settings;
    settings.Iterations = 32767;
    VocabDrill most(settings);
    most.Table = scored(1, {});
    SetRandomScript({0.5});
    ASSERT_TRUE(most.NextItem(3));
    EXPECT_EQ(most.ToGoText(), " 32767 items out of  32767.");
    most.CorrectCount = most.Attempts = 32767 * 6;
    EXPECT_EQ(most.ScoreText(), "Drill Score:  100%");
}

} // namespace
