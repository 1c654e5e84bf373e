#include "greek/GreekStuff.h"
#include "platform/Random.h"
#include "support/RunErrorOf.h"
#include "support/TempFolder.h"
#include "vocab/Judging.h"
#include "vocab/ListFile.h"
#include "vocab/ListText.h"
#include "vocab/Markers.h"
#include "vocab/VocabDrill.h"
#include "vocab/WordChoice.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

// The next item as the drill window asks it: counted, then asked.
bool NextItem(VocabDrill& drill, int reinforcement) {
    if (!drill.CountItem())
        return false;
    drill.AskItem(reinforcement);
    return true;
}

// Fills the shown slots with the answers (text and marker box text), judges them, and returns
// what the slots show: "+" or "-" for the fill, the answer (Greek in Beta code) and the marker
// text. Enter then stands at "Next".
std::string FillAndJudge(VocabDrill& drill,
                         const std::vector<std::pair<std::string, std::string>>& answers) {
    for (const auto& [text, marker] : answers)
        EXPECT_EQ(drill.EnterPressed(text, marker), EnterAction::Filled);
    EXPECT_EQ(drill.EnterPressed("typed meanwhile", "None"), EnterAction::Judged);
    std::string shown;
    for (std::size_t i = 0; i < answers.size(); ++i) {
        const AnswerSlot& s = drill.Slots[i];
        shown += std::string(s.Fill == SlotFill::Right ? "+" : "-") + s.Answer + "|" + s.Case + " ";
    }
    return shown;
}

// The test stops unless the table holds a record for each word, with the meanings written for it
// (seven at most), and the spare record: the steps after reading a list count on them.
void AssertReadWhole(const WordTable& t, const std::vector<TestWord>& words) {
    ASSERT_EQ(t.Records.size(), words.size() + 1) << "the records read";
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (words[i].meaningCount == -1) {
            ASSERT_EQ(t.Records[i].Meanings.size(),
                      std::min(words[i].meanings.size(), std::size_t(KeptMeanings)))
                << "the meanings read of word " << i;
        }
    }
}

class DrillLogicTest : public ::testing::Test {
protected:
    void TearDown() override { SetRandomScript({}); }

    WordTable table(const std::vector<TestWord>& words, double start = 1, double end = 99) {
        WordTable t = ReadVocabList(folder.write("list.lxv", ListText(words)), start, end);
        AssertReadWhole(t, words);
        return t;
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
using ListFileTest = DrillLogicTest;

// Judging without windows. Whole drills through the window are judged in judging_drill_test.cpp.
class JudgingTest : public DrillLogicTest {
protected:
    // Asks word Greek-to-English, or the ring English-to-Greek, over chapters 2..4 with one slot
    // per answer, and judges the answers (FillAndJudge).
    std::string judge(const std::vector<TestWord>& words, int word, std::vector<MeaningPair> ring,
                      const std::vector<std::pair<std::string, std::string>>& answers,
                      bool accents = false) {
        drill = DrillLogicTest::drill(words, 2, 4, 0);
        drill.Settings.CountAccents = accents;
        drill.ToGreek = !ring.empty();
        drill.CurrentWord = word;
        drill.AnswerRing = std::move(ring);
        for (std::size_t i = 0; i < answers.size(); ++i)
            drill.Slots[i].Visible = true;
        return FillAndJudge(drill, answers);
    }
    std::vector<double> scores() const {
        std::vector<double> s;
        for (const WordRecord& r : drill.Table.Records)
            s.push_back(r.Score);
        return s;
    }

    VocabDrill drill{VocabSettings{}};
};

TEST_F(DrillLogicTest, MarkerTextsAndCodes) {
    for (int i = 0; i < MarkerItemCount; ++i) {
        const std::string text = MarkerItemText(i);
        EXPECT_EQ(CaseCodeToText(CaseTextToCode(text)), text);
        EXPECT_EQ(SelectCaseIndex(text), i) << text;
    }
    EXPECT_EQ(TransformCase("None") + "|" + TransformCase("Plu") + "|" + TransformCase("Acc"),
              "| (in Plural)| (+ Acc.)");
    const std::pair<const char*, int> select[] = {
        {"+ Gen", 3},  {"+Gen.", 3}, {"gen", 3},   {"Gen", 0},  {"+ GEN.", 0},
        {"plural", 1}, {"plu", 1},   {"part.", 9}, {"None", 0}, {"", 0},
    };
    for (const auto& [text, index] : select)
        EXPECT_EQ(SelectCaseIndex(text), index) << text;
}

TEST_F(DrillLogicTest, DirectionAndWordFollowTheDraws) {
    SetRandomScript({pick(15, 100), pick(16, 100), 0.9999999999999999});
    EXPECT_EQ((std::vector<bool>{PickLanguage(15), PickLanguage(15), PickLanguage(100)}),
              (std::vector<bool>{true, false, true}));

    // Scores fall with the index, so the lowest candidate tells how many were drawn.
    const std::vector<double> falling{100, 99, 98, 97, 96, 95, 94, 93, 92, 91, 90, 89, 88, 87, 86};
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
        {4, "lu/w", {{"loose"}, {"release"}}},
        {5, "lu/w", {{"loose"}, {"release"}, {"destroy"}}},
        {2, "a", {{"send"}}},
        {3, "b", {{"send"}}},
        {6, "c", {{"send", -1, 0, -1, 0, 1, "Dat"}}},
    };
    ChainEntries(words, {0, 1, 2});
    ShareMeaning(words, {{3, 0}, {4, 0}, {5, 0}});
    VocabDrill greek = drill(words, 1, 4, 0);
    SetRandomScript({pick(100, 100), 0.0, pick(1, 4), pick(1, 4)});
    ASSERT_TRUE(NextItem(greek, 3));
    EXPECT_EQ(greek.CurrentWord, 1);
    EXPECT_EQ(greek.ChapterText(), "Chapter:  1");
    EXPECT_TRUE(greek.Slots[1].Visible && !greek.Slots[2].Visible); // two slots

    VocabDrill english = drill(words, 3, 6, 100);
    // Drill words: 1, 2, 4, 5; the fourth is record 5 (chapter 6).
    SetRandomScript({0.0, 0.0, pick(4, 4), pick(4, 4), 0.0});
    ASSERT_TRUE(NextItem(english, 3));
    EXPECT_EQ(english.QuizText, "send (+ Dat.)");
    EXPECT_EQ(english.AnswerRing, (std::vector<MeaningPair>{{4, 0}, {5, 0}}));
    // A pair beyond the range stops the walk forward before the pair asked, which joins the ring
    // beside the pair before it.
    words[4].chapter = 9;
    words[5].chapter = 3;
    SetRandomScript({0.0});
    EXPECT_EQ(BuildEnglishQuestion(table(words), 5, 2, 3).AnswerRing,
              (std::vector<MeaningPair>{{3, 0}, {5, 0}}));
}

// An English item asks six words of a longer ring and takes exactly those six, one per slot; a
// word without meanings is asked in Greek, without slots, and judged at the first Enter.
TEST_F(DrillLogicTest, NoItemAsksForMoreThanSixSlots) {
    const std::string headwords[] = {"b", "g", "d", "z", "q", "k", "l", "m"};
    std::vector<TestWord> words;
    std::vector<std::pair<int, int>> shared;
    for (const std::string& headword : headwords) {
        shared.push_back({int(words.size()), 0});
        words.push_back({1, headword, {{"a"}}});
    }
    ShareMeaning(words, shared);
    words.push_back({1, "e)n", {}});
    VocabDrill d = drill(words, 1, 9, 100);
    auto typed = [](std::vector<std::string> greek) {
        std::vector<std::pair<std::string, std::string>> answers;
        for (const std::string& g : greek)
            answers.push_back({g, "None"});
        return answers;
    };
    auto askWord = [&](int word) {
        SetRandomScript({0.0, 0.0, pick(word + 1, 9), pick(word + 1, 9), 0.0});
        if (d.EnterCaption == "Next") {
            EXPECT_EQ(d.EnterPressed("", "None"), EnterAction::NextItem);
        }
        return NextItem(d, 3);
    };
    const std::vector<MeaningPair> firstSix{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}};
    ASSERT_TRUE(askWord(0));
    EXPECT_EQ(d.AnswerRing, firstSix);
    EXPECT_EQ(FillAndJudge(d, typed({"k", "q", "z", "d", "g", "b"})), "+k| +q| +z| +d| +g| +b| ");
    // The seventh word of the chain is no answer: its slot is corrected to the word left over.
    ASSERT_TRUE(askWord(0));
    EXPECT_EQ(d.AnswerRing, firstSix);
    EXPECT_EQ(FillAndJudge(d, typed({"l", "q", "z", "d", "g", "b"})),
              "-k|None +q| +z| +d| +g| +b| ");
    // The eighth word of that chain: the ring keeps the first five and the word asked, so the
    // sixth and seventh words are no answers either.
    ASSERT_TRUE(askWord(7));
    EXPECT_EQ(d.AnswerRing,
              (std::vector<MeaningPair>{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {7, 0}}));
    EXPECT_EQ(FillAndJudge(d, typed({"k", "l", "m", "b", "g", "d"})),
              "-z|None -q|None +m| +b| +g| +d| ");
    EXPECT_EQ(d.EnterPressed("", "None"), EnterAction::NextItem);
    SetRandomScript({0.0, 0.0, pick(9, 9), pick(9, 9)});
    ASSERT_TRUE(NextItem(d, 3));
    EXPECT_FALSE(d.ToGreek);
    EXPECT_FALSE(d.Slots[0].Visible);
    EXPECT_EQ(d.EnterPressed("x", "None"), EnterAction::Judged);
}

// Iterations of 0 or below end the drill at once: see the drill window's tests.
TEST_F(DrillLogicTest, CountersHoldAtTheirLargest) {
    VocabSettings settings;
    settings.Iterations = 32767;
    VocabDrill most(settings);
    most.Table = scored(1, {});
    SetRandomScript({0.5});
    ASSERT_TRUE(NextItem(most, 3));
    EXPECT_EQ(most.ToGoText(), " 32767 items out of  32767.");
}

// What the drills show of a list is checked through the drill window; here what they do not.
TEST_F(ListFileTest, RecordsAreReadAtTheirLinesWithTheSpareRecordAfterThem) {
    std::vector<TestWord> words{{1, "lu/w", {{"I loose"}, {" release"}}},
                                {2, "a)/gw", {}},
                                {3, "kai/", {{"and"}, {"I also"}}},
                                {1e9, "ou)", {{"not"}}}};
    for (int j = 0; j < 9; ++j)
        words[1].meanings.push_back({"m" + std::to_string(j)});
    const WordTable t = table(words, 2, 3);
    ASSERT_EQ(t.Records.size(), 5u);
    EXPECT_EQ(t.DrillWords, (std::vector<int>{1, 2}));
    // The first person is put only before meanings that lack it.
    EXPECT_EQ(t.Records[0].Meanings[1].Text + "|" + t.Records[2].Meanings[1].Text,
              "I release|I also");
    // Nine meanings: seven kept, the count as read, the next record at its right lines.
    EXPECT_EQ(t.Records[1].MeaningCount, 9);
    EXPECT_EQ(t.Records[1].StoredMeanings(), KeptMeanings);
    EXPECT_EQ(t.Records[1].Meanings[6].Text, "m6");
    EXPECT_EQ(t.Records[3].Chapter, 1e9);                                   // far beyond 16 bits
    EXPECT_EQ(t.Records[4].NextEntry + t.Records[4].PrevEntry, 2 * NoLink); // the spare record
    // Numbers of many digits, of either sign, are read whole, the longest beyond 32 bits.
    std::string longNumbers = "4\r\n";
    for (const char* chapter : {"12", "-12", "123456789", "9999999999"})
        longNumbers += std::string(chapter) + "\r\na\r\na\r\n-1\r\n-1\r\n0\r\nNone\r\n0\r\n-\r\n";
    const WordTable numbers = ReadVocabList(folder.write("n.lxv", longNumbers), 1, 99);
    ASSERT_EQ(numbers.Records.size(), 5u);
    EXPECT_EQ(numbers.Records[0].Chapter + numbers.Records[1].Chapter, 0);
    EXPECT_EQ(numbers.Records[0].Chapter, 12);
    EXPECT_EQ(numbers.Records[2].Chapter, 123456789);
    EXPECT_EQ(numbers.Records[3].Chapter, 9999999999.0);
    // Links that lead outside the list, or to a meaning that their record does not hold, read
    // as none, in both directions of both kinds of chain.
    const std::vector<TestWord> wild{{1, "a", {{"x", 1, 0, 1, 1}, {"y", 2, 0, -2, 0}}, 2, -2},
                                     {1, "b", {{"x", 0, 2, 0, -1}}, 32767, 0}};
    const WordTable mended = table(wild);
    std::string links;
    for (int i : {0, 1}) {
        const WordRecord& r = mended.Records[std::size_t(i)];
        links += std::to_string(r.NextEntry) + " " + std::to_string(r.PrevEntry) + " |";
        for (const MeaningRecord& m : r.Meanings)
            links += " " + std::to_string(m.NextWord) + " " + std::to_string(m.PrevWord);
        links += " | ";
    }
    EXPECT_EQ(links, "-1 -1 | 1 -1 -1 -1 | -1 0 | -1 -1 | ");
    // A damaged count reads as no words; one beyond 16 bits cannot be read.
    EXPECT_EQ(ReadVocabList(folder.write("b.lxv", "none\r\n"), 1, 9).WordCount, 0);
    EXPECT_EQ(RunErrorOf([&] { ReadVocabList(folder.write("d.lxv", "40000\r\n"), 1, 9); }),
              ErrNo::Overflow);
}

// A list of the Data folder that is missing or damaged gives no table, and the reading (with its
// progress window) starts only once the list is found. Their messages are checked where the
// windows show them: QuizTest.FileQuitAndAListThatCannotBeReadEndTheProgram.
TEST_F(ListFileTest, AListOfTheDataFolderIsReadOnlyWhenFound) {
    DataFolder = folder.path();
    folder.write("d.lxv", "40000\r\n");
    folder.write("l.lxv", ListText({{1, "lu/w", {{"I loose"}}}}));
    std::string read; // for each list: read or not, and the readings started so far
    int started = 0;
    for (const char* name : {"none.lxv", "d.lxv", "l.lxv"}) {
        read += ReadDataVocabList(name, 1, 9, [&] { ++started; }).contents ? "table" : "none";
        read += std::to_string(started) + " ";
    }
    EXPECT_EQ(read, "none0 none1 table2 ");
    DataFolder = "";
}

TEST_F(JudgingTest, AnswersAreComparedAsTheirDirectionNormalisesThem) {
    struct Case {
        std::string typed, marker, target;
        int flag;
        bool right;
    };
    const Case english[] = {
        {"I loose!", "None", "loose", 0, true},
        {"the man.", "None", "a man", 0, true},
        {"The man", "None", "man", 0, false},
        {"A man", "None", "man", 0, false},
        {"a the cat", "None", "the cat", 0, false}, // "the" is looked for before "a"
        {"to set free", "None", "to  setfree", 0, true},
        {"Man", "None", "man", 0, false},
        {"send", "+ Dat.", "send", 1, true},
        {"send", "None", "send", 1, false},
        {"send", "+ Dat.", "send", 0, false}, // an unflagged marker does not count
        {"send", "p", "send", 0, true},       // free text in the marker box is no marker
    };
    for (const Case& c : english) {
        SCOPED_TRACE(c.typed + " / " + c.target);
        const std::string shown = judge({{2, "pe/mpw", {{c.target, -1, 0, -1, 0, c.flag, "Dat"}}}},
                                        0, {}, {{c.typed, c.marker}});
        EXPECT_EQ(shown.substr(0, 1), c.right ? "+" : "-");
        EXPECT_EQ(scores()[0], c.right ? 3 : -4);
    }
    const Case greek[] = {
        {"luw", "None", "lu/w", 0, true},     {"lu\\w. ", "None", "lu/w", 0, true},
        {"[lu/w]", "None", "lu/w", 0, true},  {"lu/w", "None", "[lu/w]", 0, true},
        {"a(gw", "None", "a)/gw", 0, false},  {"a)gw", "None", "*)agw", 0, false},
        {"tw=", "None", "tw=|", 0, false},    {"prau+s", "None", "praus", 0, true},
        {"lu/w", "+ Acc.", "lu/w", 1, true},  {"lu/w", "None", "lu/w", 1, false},
        {"lu/w", "+ Acc.", "lu/w", 0, false}, {"k)ai/", "None", "kai/", 0, false},
        {"k[ai/]", "None", "kai/", 0, true},
    };
    for (const Case& c : greek) {
        SCOPED_TRACE(c.typed + " / " + c.target);
        TestWord w{2, c.target, {{"x"}}, -1, -1, c.flag, "Acc"};
        EXPECT_EQ(judge({w}, 0, {{0, 0}}, {{c.typed, c.marker}}).substr(0, 1), c.right ? "+" : "-");
    }
    // Accents and the diaeresis count only when the user says so.
    for (const std::string typed : {"luw", "lu\\w", "prau+s"})
        EXPECT_EQ(judge({{2, typed == "prau+s" ? "praus" : "lu/w", {{"x"}}}}, 0, {{0, 0}},
                        {{typed, "None"}}, true)
                      .substr(0, 1),
                  "-")
            << typed;
}

TEST_F(JudgingTest, WrongAnswersShowTheNearestAnswerLeftAndCostTheWordsTheyName) {
    // "carry" runs 5 -> 3 -> 2 -> 4 -> 6 over chapters 1, 3, 1, 5, 3: the walk back from word 2
    // stops before chapter 2, the walk forward after chapter 4.
    std::vector<TestWord> words{
        {2, "a)/gw", {{"lead"}, {"bring", -1, 0, -1, 0, 1, "Acc"}, {"the way!"}}},
        {2, "fe/rw", {{"bring"}}},
        {1, "komi/zw", {{"carry"}}},
        {3, "fore/w", {{"carry"}}},
        {5, "ba/llw", {{"carry"}}},
        {1, "ai)/rw", {{"carry"}}},
        {3, "basta/zw", {{"carry"}}},
    };
    ShareMeaning(words, {{5, 0}, {3, 0}, {2, 0}, {4, 0}, {6, 0}});
    EXPECT_EQ(judge(words, 0, {}, {{"bring", "None"}, {"lead", "None"}, {"carry", "None"}}),
              "-bring|+ Acc. +lead| -the way!|None ");
    // "bring" without a marker is word 1's meaning, not word 0's.
    EXPECT_EQ(scores(), (std::vector<double>{-4 + 3 - 4, -2, -2, -2, 0, 0, 0, 0}));
    // An answer given twice uses its meaning once.
    EXPECT_EQ(judge(words, 0, {}, {{"lead", "None"}, {"lead", "None"}, {"x", "None"}}),
              "+lead| -the way!|None -bring|+ Acc. ");
    EXPECT_EQ(scores()[0], 3 - 4 - 4 - 2); // the second "lead" costs the word's own meaning
    // A marker that differs counts as one more error; of equally near meanings the first left.
    EXPECT_EQ(judge(words, 0, {}, {{"x", "+ Acc."}, {"q", "None"}, {"z", "None"}}),
              "-bring|+ Acc. -lead|None -the way!|None ");

    // Greek, word 0 asked: the same word twice; the nearest word's entries up to chapter 4 lose 4,
    // entry 1 of chapter 5 not, and every record spelled as typed loses 4 whatever its chapter.
    words = {{2, "a)/gw", {{"lead"}}},
             {5, "a)/gw", {{"drive"}}},
             {4, "a)/gw", {{"march"}}},
             {3, "h(ge/omai", {{"lead"}}, -1, -1, 1, "Dat"}};
    ChainEntries(words, {0, 1, 2});
    ShareMeaning(words, {{0, 0}, {3, 0}});
    EXPECT_EQ(judge(words, 0, {{0, 0}, {3, 0}}, {{"h(ge/omai", "None"}, {"h(ge/omai", "+ Dat."}}),
              "-a)/gw|None +h(ge/omai|+ Dat. ");
    EXPECT_EQ(scores(), (std::vector<double>{-4, 0, -4, 5 - 4, 0}));
    judge(words, 3, {{0, 0}, {3, 0}}, {{"a)/gw", "+ Dat."}, {"x", "None"}});
    EXPECT_EQ(scores(), (std::vector<double>{-8, -4, -8, -4, 0}));
}

TEST_F(JudgingTest, LookalikesAreNearMissesOfOtherWordsSecondForms) {
    struct Case {
        std::string asked, other;
        double chapter;
        int change;
    };
    const Case cases[] = {
        {"lu/w", "lu/w", 2, -1},             // short and equal
        {"lu/w", "lu/w", 5, 0},              // beyond the last chapter
        {"lu/w", "lu/w", 1, -1},             // ... but not before the first
        {"lu/w", "lu/", 2, 0},               // a missing letter
        {"ba/llw", "ba/lw", 2, -1},          // 5 or 6 letters: one error away
        {"ba/llw", "ba/llw", 2, 0},          // ... but not equal
        {"a)/nqrwpos", "a)/nqrwpos", 2, 0},  // 7 or more: equal counts -2
        {"a)/nqrwpos", "a/)nqrwpsa", 2, -1}, // ... two errors away 0, a swap counted
        {std::string(5000, 'a'), std::string(4998, 'a') + "bb", 2, -1},
        {std::string(5000, 'a'), std::string(4000, 'a'), 2, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.asked.substr(0, 12) + " / " + c.other.substr(0, 12));
        // Word 1 is the asked word's own entry in chapter 3, with the same second form.
        std::vector<TestWord> words{
            {2, "a", {{"x"}}}, {3, "a", {{"x"}}}, {c.chapter, "b", {{"y"}}}};
        words[0].secondForm = words[1].secondForm = c.asked;
        words[2].secondForm = c.other;
        ChainEntries(words, {0, 1});
        judge(words, 0, {}, {{"x", "None"}});
        EXPECT_EQ(scores(), (std::vector<double>{3, 0, double(c.change), 0}));
    }
}

TEST_F(JudgingTest, WalksStopOnlyAtTheirEndsAndTheWholeTableIsSearched) {
    // A pair beyond the last chapter keeps its score and the walk goes on, to the last one; no
    // second form at all is nobody's look-alike.
    const std::vector<TestWord> words{
        {6, "a", {{"x", 1, 0}}}, {4, "b", {{"x", -1, 0, 0, 0}}}, {3, "c", {{"y"}}}};
    WordTable table = ReadVocabList(folder.write("list.lxv", ListText(words)), 2, 4);
    AssertReadWhole(table, words);
    PenalizeMeaningRing(table, {0, 0}, 2, 4);
    table.Records[1].SecondForm = table.Records[2].SecondForm = "";
    PenalizeLookalikes(table, 1, 4);
    EXPECT_EQ(table.Records[0].Score + 10 * table.Records[1].Score + 100 * table.Records[2].Score,
              -20);

    // A damaged list whose links run in a circle, a -> b -> a: every walk takes as many steps as
    // the table has records (three, the spare one counted), back and forward alike, and stops.
    const std::vector<TestWord> circle{{3, "a", {{"x", 1, 0, 1, 0}}, 1, 1},
                                       {3, "b", {{"x", 0, 0, 0, 0}}, 0, 0}};
    table = ReadVocabList(folder.write("circle.lxv", ListText(circle)), 2, 4);
    AssertReadWhole(table, circle);
    auto scoresOf = [&table] {
        std::vector<double> s{table.Records[0].Score, table.Records[1].Score};
        table.Records[0].Score = table.Records[1].Score = 0;
        return s;
    };
    PenalizeMeaningRing(table, {0, 0}, 2, 4); // back to b, a, b; then b, a, b
    EXPECT_EQ(scoresOf(), (std::vector<double>{-2, -4}));
    PenalizeGreek(table, 0, 1, 4); // the same
    EXPECT_EQ(scoresOf(), (std::vector<double>{-1, -2}));
    EXPECT_EQ(LatestEntryWithin(table, 0, 4), 1); // forward to b, a, b

    WordTable big;
    big.Records.resize(32768);
    big.WordCount = 32767;
    big.Records[0].Headword = big.Records[32766].Headword = "x";
    PenalizeTypedGreek(big, "x");
    EXPECT_EQ(big.Records[0].Score + big.Records[32766].Score, -8);
}

} // namespace
