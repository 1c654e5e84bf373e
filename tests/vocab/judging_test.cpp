#include "greek/GreekStuff.h"
#include "support/TempFolder.h"
#include "vocab/Judging.h"
#include "vocab/ListFile.h"
#include "vocab/ListText.h"
#include "vocab/VocabDrill.h"

#include <gtest/gtest.h>

// Judging without windows. Whole drills through the window are judged in judging_drill_test.cpp.
namespace {

class JudgingTest : public ::testing::Test {
protected:
    // Asks word Greek-to-English, or the ring English-to-Greek, over chapters 2..4 with one slot
    // per answer (text and marker box text), judges, and returns what the slots show: "+" or "-"
    // for the fill, the answer (Greek in Beta code) and the marker text.
    std::string judge(const std::vector<TestWord>& words, int word, std::vector<MeaningPair> ring,
                      const std::vector<std::pair<std::string, std::string>>& answers,
                      bool accents = false) {
        VocabSettings settings;
        settings.VocabChaptStart = 2;
        settings.VocabChaptEnd = 4;
        settings.CountAccents = accents;
        drill = VocabDrill(settings);
        drill.Table = ReadVocabList(folder.write("list.lxv", ListText(words)), 2, 4);
        drill.ToGreek = !ring.empty();
        drill.CurrentWord = word;
        drill.AnswerRing = std::move(ring);
        for (std::size_t i = 0; i < answers.size(); ++i)
            drill.Slots[i].Visible = true;
        for (const auto& [text, marker] : answers)
            EXPECT_EQ(drill.EnterPressed(text, marker), EnterAction::Filled);
        EXPECT_EQ(drill.EnterPressed("typed meanwhile", "None"), EnterAction::Judged);
        EXPECT_EQ(drill.EnterCaption, "Next");
        std::string shown;
        for (std::size_t i = 0; i < answers.size(); ++i) {
            const AnswerSlot& s = drill.Slots[i];
            shown += std::string(s.Fill == SlotFill::Right ? "+" : "-") +
                     (drill.ToGreek ? DisplayFontToBeta(s.Answer) : s.Answer) + "|" + s.Case + " ";
        }
        return shown;
    }
    std::vector<double> scores() const {
        std::vector<double> s;
        for (const WordRecord& r : drill.Table.Records)
            s.push_back(r.Score);
        return s;
    }

    TempFolder folder;
    VocabDrill drill{VocabSettings{}};
};

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
        {"lu/w", "+ Acc.", "lu/w", 0, false},
    };
    for (const Case& c : greek) {
        SCOPED_TRACE(c.typed + " / " + c.target);
        TestWord w{2, c.target, {{"x"}}, -1, -1, c.flag, "Acc"};
        EXPECT_EQ(judge({w}, 0, {{0, 0}}, {{c.typed, c.marker}}).substr(0, 1), c.right ? "+" : "-");
    }
    // Typed brackets come back as brackets when the answer is taken back.
    drill.Slots[0].Answer = TransliterateGreek("[lu/w]");
    EXPECT_EQ(drill.EditAnswer(0).UserText, "[lu/w]");
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
             {3, "a)/gw", {{"march"}}},
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
        {"", "", 2, 0},                      // no second form is nobody's look-alike
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

TEST_F(JudgingTest, WalksEndOnDamagedLinksAndTheWholeTableIsSearched) {
    // Entries and meanings in circles, and links out of the table read as none.
    std::vector<TestWord> words{{2, "a", {{"x", 1, 0, 1, 0}}, 1, 1},
                                {2, "b", {{"x", 0, 0, 0, 0}}, 0, 0},
                                {2, "c", {{"y", 900, 0, -7, 3}}, 900, -7}};
    judge(words, 0, {}, {{"x", "None"}, {"x", "None"}});
    judge(words, 2, {{0, 0}, {2, 0}}, {{"q", "None"}, {"b", "None"}});
    for (double s : scores())
        EXPECT_GT(s, -100);

    // A pair beyond the last chapter keeps its score and the walk goes on; no second form at all
    // is nobody's look-alike.
    WordTable table = ReadVocabList(
        folder.write(
            "list.lxv",
            ListText({{6, "a", {{"x", 1, 0}}}, {3, "b", {{"x", -1, 0, 0, 0}}}, {3, "c", {{"y"}}}})),
        2, 4);
    PenalizeMeaningRing(table, {0, 0}, 2, 4);
    table.Records[1].SecondForm = table.Records[2].SecondForm = "";
    PenalizeLookalikes(table, 1, 4);
    EXPECT_EQ(table.Records[0].Score + 10 * table.Records[1].Score + 100 * table.Records[2].Score,
              -20);

    WordTable big;
    big.Records.resize(32768);
    big.WordCount = 32767;
    big.Records[0].Headword = big.Records[32766].Headword = "x";
    PenalizeTypedGreek(big, "x");
    EXPECT_EQ(big.Records[0].Score + big.Records[32766].Score, -8);
}

} // namespace
