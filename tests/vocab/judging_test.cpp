#include "greek/GreekStuff.h"
#include "support/TempFolder.h"
#include "vocab/Judging.h"
#include "vocab/ListFile.h"
#include "vocab/ListText.h"
#include "vocab/VocabDrill.h"

#include <gtest/gtest.h>

namespace {

class JudgingTest : public ::testing::Test {
protected:
    // A drill over chapters start..end of words, with no item asked yet.
    VocabDrill drill(const std::vector<TestWord>& words, int start, int end, bool accents = false) {
        DrillSettings settings;
        settings.Iterations = 5;
        settings.VocabChaptStart = start;
        settings.VocabChaptEnd = end;
        settings.CountAccents = accents;
        VocabDrill d(settings);
        d.Table = ReadVocabList(folder.write("list.lxv", ListText(words)), start, end);
        return d;
    }
    // Asks word Greek-to-English, or the ring English-to-Greek, with one slot per answer; enters
    // the answers (text and marker box text) and judges them.
    static void ask(VocabDrill& d, int word, std::vector<MeaningPair> ring,
                    const std::vector<std::pair<std::string, std::string>>& answers) {
        d.ToGreek = !ring.empty();
        d.CurrentWord = word;
        d.AnswerRing = std::move(ring);
        d.RingCount = int(d.AnswerRing.size()) - 1;
        d.EnterCaption = "Okay";
        for (std::size_t i = 0; i < d.Slots.size(); ++i)
            d.Slots[i] = AnswerSlot{"", "", i < answers.size(), SlotFill::None};
        for (const auto& [text, marker] : answers)
            ASSERT_EQ(d.EnterPressed(text, marker), EnterAction::Filled);
        ASSERT_EQ(d.EnterPressed("typed meanwhile", "None"), EnterAction::Judged);
        EXPECT_EQ(d.EnterCaption, "Next");
    }
    static std::vector<double> scores(const VocabDrill& d) {
        std::vector<double> s;
        for (const WordRecord& r : d.Table.Records)
            s.push_back(r.Score);
        return s;
    }
    // What a judged slot shows: "+" or "-" for its fill, its answer (Greek back in Beta code) and
    // its marker text.
    static std::string shown(const VocabDrill& d, int i) {
        const AnswerSlot& s = d.Slots[std::size_t(i)];
        return std::string(s.Fill == SlotFill::Right   ? "+"
                           : s.Fill == SlotFill::Wrong ? "-"
                                                       : "?") +
               (d.ToGreek ? DisplayFontToBeta(s.Answer) : s.Answer) + "|" + s.Case;
    }

    TempFolder folder;
};

TEST_F(JudgingTest, EnglishAnswersMatchAfterNormalisingAndWithTheirMarkers) {
    struct Case {
        std::string typed, marker, meaning;
        int flag;
        std::string code;
        bool right;
    };
    const Case cases[] = {
        {"I loose", "None", "loose", 0, "None", true},
        {"loose!", "None", "I loose", 0, "None", true},
        {"the man", "None", "man", 0, "None", true},
        {"The man", "None", "man", 0, "None", false},
        {"A man", "None", "man", 0, "None", false},
        {"a the cat", "None", "the cat", 0, "None", false},
        {"a the cat", "None", "thecat", 0, "None", true},
        {"to set. free ", "None", "to set free", 0, "None", true},
        {"Man", "None", "man", 0, "None", false},
        {"send", "+ Dat.", "send", 1, "Dat", true},
        {"send", "None", "send", 1, "Dat", false},
        {"send", "+ Dat.", "send", 0, "Dat", false}, // an unflagged meaning has no marker
        {"send", "p", "send", 0, "Dat", true},       // free text in the marker box is no marker
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed + " / " + c.meaning);
        VocabDrill d = drill({{1, "pe/mpw", {{c.meaning, -1, 0, -1, 0, c.flag, c.code}}}}, 1, 1);
        ask(d, 0, {}, {{c.typed, c.marker}});
        EXPECT_EQ(shown(d, 0), (c.right ? "+" : "-") + d.Table.Records[0].Meanings[0].Text + "|" +
                                   (c.right ? (c.marker == "None" ? "" : c.marker)
                                            : (c.flag ? "+ Dat." : "None")));
        EXPECT_EQ(d.Table.Records[0].Score, c.right ? 3 : -4);
        EXPECT_EQ(d.CorrectCount, c.right ? 1 : 0);
        EXPECT_EQ(d.Attempts, 1);
    }
}

TEST_F(JudgingTest, WrongEnglishAnswersAreCorrectedAndCostTheWordsTheyMean) {
    // Word 0 is asked over chapters 2..4. "carry" is shared along 5 -> 3 -> 2 -> 4 -> 6.
    std::vector<TestWord> words{
        {2, "a)/gw", {{"lead"}, {"bring", -1, 0, -1, 0, 1, "Acc"}, {"the way!"}}},
        {2, "fe/rw", {{"bring", -1, 0, -1, 0, 1, "Acc"}}},
        {1, "komi/zw", {{"carry"}}},
        {3, "fore/w", {{"carry"}}},
        {5, "ba/llw", {{"carry"}}},
        {1, "ai)/rw", {{"carry"}}},
        {3, "bas/tazw", {{"carry"}}},
    };
    ShareMeaning(words, {{5, 0}, {3, 0}, {2, 0}, {4, 0}, {6, 0}});
    ShareMeaning(words, {{0, 1}, {1, 0}});

    VocabDrill right = drill(words, 2, 4);
    ask(right, 0, {}, {{"I lead!", "None"}, {"bring", "+ Acc."}, {"way", "None"}});
    EXPECT_EQ(shown(right, 0) + shown(right, 1) + shown(right, 2), "+lead|+bring|+ Acc.+the way!|");
    EXPECT_EQ(scores(right), (std::vector<double>{9, 0, 0, 0, 0, 0, 0, 0}));

    // A marker missing, a meaning given twice, and another word's meaning: each wrong slot shows
    // the nearest meaning left, and a meaning of the list costs its chain within the range (the
    // walk back stops before chapter 2, the walk forward after chapter 4).
    VocabDrill wrong = drill(words, 2, 4);
    ask(wrong, 0, {}, {{"bring", "None"}, {"lead", "None"}, {"carry", "None"}});
    EXPECT_EQ(shown(wrong, 0) + shown(wrong, 1) + shown(wrong, 2),
              "-bring|+ Acc.+lead|-the way!|None");
    EXPECT_EQ(scores(wrong), (std::vector<double>{-4 + 3 - 4, 0, -2, -2, 0, 0, 0, 0}));
    EXPECT_EQ(wrong.CorrectCount, 1);
    EXPECT_EQ(wrong.Attempts, 3);

    VocabDrill twice = drill(words, 2, 4);
    ask(twice, 0, {}, {{"lead", "None"}, {"lead", "None"}, {"", "None"}});
    EXPECT_EQ(shown(twice, 0) + shown(twice, 1) + shown(twice, 2),
              "+lead|-the way!|None-bring|+ Acc.");
    // The second "lead" finds the asked word's own meaning: its chain is itself.
    EXPECT_EQ(scores(twice), (std::vector<double>{3 - 4 - 4 - 2, 0, 0, 0, 0, 0, 0, 0}));

    // Equally near meanings: the first one left is shown.
    VocabDrill ties = drill(words, 2, 4);
    ask(ties, 0, {}, {{"x", "None"}, {"y", "None"}, {"z", "None"}});
    EXPECT_EQ(shown(ties, 0) + shown(ties, 1) + shown(ties, 2),
              "-lead|None-the way!|None-bring|+ Acc.");
}

TEST_F(JudgingTest, GreekAnswersAreComparedAsTheDisplayFontShowsThem) {
    struct Case {
        std::string typed, headword;
        bool accents;
        int score; // +5 right; -4 wrong, and -4 more when the typed text is the headword
        std::string marker = "None";
    };
    const Case cases[] = {
        {"lu/w", "lu/w", true, 5},
        {"luw", "lu/w", false, 5},
        {"luw", "lu/w", true, -4},
        {"lu\\w", "lu/w", false, 5},
        {"lu/w.", "lu/w", true, 5},
        {"lu /w", "lu/w", true, 5},
        {"[lu/w]", "lu/w", true, 5},
        {"[lu/w]", "[lu/w]", true, 5},
        {"lu/w", "lu/[w]", true, 5},
        {"a/)gw", "a)/gw", true, 5},
        {"A)/GW", "a)/gw", true, 5},
        {"a(/gw", "a)/gw", false, -4},
        {"a)gw", "*)agw", false, -4},
        {"tw=", "tw=|", false, -4},
        {"prau+s", "praus", false, 5},
        {"prau+s", "praus", true, -4},
        {"a)/gw", "a)/gw", true, -8, "+ Acc."},
        {"[a)/gw]", "[a)/gw]", true, -8, "+ Acc."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed + " / " + c.headword + (c.accents ? " accents" : ""));
        VocabDrill d = drill({{1, c.headword, {{"lead"}}}}, 1, 1, c.accents);
        ask(d, 0, {{0, 0}}, {{c.typed, c.marker}});
        EXPECT_EQ(d.Slots[0].Fill, c.score > 0 ? SlotFill::Right : SlotFill::Wrong);
        EXPECT_EQ(d.Slots[0].Answer, BetaToDisplayFont(c.headword));
        EXPECT_EQ(d.Table.Records[0].Score, c.score);
    }
}

TEST_F(JudgingTest, WrongGreekAnswersCostTheNearestWordAndWhatWasTyped) {
    // "lead" is shared by words 0 and 3; word 0 has entries 1 (chapter 5) and 2 after it.
    std::vector<TestWord> words{
        {2, "a)/gw", {{"lead"}}},     {5, "a)/gw", {{"drive"}}}, {3, "a)/gw", {{"march"}}},
        {3, "h(ge/omai", {{"lead"}}}, {1, "fe/rw", {{"carry"}}}, {1, "fe/rw", {{"bear"}}},
        {2, "ei)=mi", {{"go"}}},      {1, "ti/qhmi", {{"put"}}},
    };
    words[3].flag = 1;
    words[3].marker = "Dat";
    ChainEntries(words, {0, 1, 2});
    ShareMeaning(words, {{0, 0}, {3, 0}});

    VocabDrill d = drill(words, 1, 4);
    ask(d, 0, {{0, 0}, {3, 0}}, {{"h(ge/omai", "+ Dat."}, {"a)/gw", "+ Dat."}});
    EXPECT_EQ(shown(d, 0) + shown(d, 1), "+h(ge/omai|+ Dat.-a)/gw|None");
    // The nearest word's entries up to chapter 4 lose 4; so does every headword typed.
    EXPECT_EQ(scores(d), (std::vector<double>{-4 - 4, -4, -4 - 4, 5, 0, 0, 0, 0, 0}));

    // The same word twice, and a word of the list that is not asked: the second slot takes the
    // other entry; what was typed costs every record spelled so.
    VocabDrill e = drill(words, 1, 4);
    ask(e, 3, {{0, 0}, {3, 0}}, {{"a)/gw", "None"}, {"fe/rw", "None"}});
    EXPECT_EQ(shown(e, 0) + shown(e, 1), "+a)/gw|-h(ge/omai|+ Dat.");
    EXPECT_EQ(scores(e), (std::vector<double>{5, 0, 0, -4, -4, -4, 0, 0, 0}));
    EXPECT_EQ(e.CorrectCount, 1);
    EXPECT_EQ(e.Attempts, 2);
}

TEST_F(JudgingTest, LookalikesAreNearMissesOfTheSecondFormOfOtherWords) {
    struct Case {
        std::string asked, other;
        double chapter;
        int change;
    };
    const Case cases[] = {
        {"lu/w", "lu/w", 1, -1},             // short and equal
        {"lu/w", "lu/w", 3, 0},              // beyond the last chapter
        {"lu/w", "lu/", 1, 0},               // short forms: a missing letter counts
        {"ba/llw", "ba/lw", 1, -1},          // 5 or 6 letters: one error away
        {"ba/llw", "ba/llw", 1, 0},          // ... but not equal
        {"a)/nqrwpos", "a)/nqrwpos", 1, 0},  // 7 or more: equal counts -2
        {"a)/nqrwpos", "a)/nqrwp", 1, -1},   // ... and two errors away 0
        {"a)/nqrwpos", "a/)nqrwpsa", 1, -1}, // swaps count
        {"lu/w", "", 1, 0},                  // no second form is nobody's look-alike
        {"", "", 1, 0},
        {"", "lu/w", 1, 0},
        {std::string(5000, 'a'), std::string(4000, 'a') + "b", 1, 0},
        {std::string(5000, 'a'), std::string(4998, 'a') + "bb", 1, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.asked.substr(0, 12) + " / " + c.other.substr(0, 12));
        // Word 0 is asked; word 1 is its own entry in chapter 2, whose form is always the same.
        VocabDrill d =
            drill({{1, "a", {{"x"}}}, {2, "a", {{"x"}}}, {c.chapter, "b", {{"y"}}}}, 1, 2);
        d.Table.Records[0].SecondForm = d.Table.Records[1].SecondForm = c.asked;
        d.Table.Records[2].SecondForm = c.other;
        d.Table.Records[0].NextEntry = 1;
        d.Table.Records[1].PrevEntry = 0;
        ask(d, 0, {}, {{"x", "None"}});
        EXPECT_EQ(scores(d), (std::vector<double>{3, 0, double(c.change), 0}));
    }
}

TEST_F(JudgingTest, ChainWalksKeepToTheChaptersAndEndOnCycles) {
    // Entries 0 -> 1 -> 2 with chapters 1, 6, 3 over chapters 2..4: the entry beyond the range
    // keeps its score and the walk goes on past it.
    std::vector<TestWord> words{{1, "a", {{"x"}}}, {6, "a", {{"x"}}}, {3, "a", {{"x"}}}};
    ChainEntries(words, {0, 1, 2});
    VocabDrill d = drill(words, 2, 4);
    PenalizeGreek(d.Table, 1, 4, 4);
    EXPECT_EQ(scores(d), (std::vector<double>{-4, 0, -4, 0}));
    // A meaning chain from chapter 6 to chapter 3: the pair beyond the range keeps its score.
    std::vector<TestWord> shared{{6, "a", {{"x"}}}, {3, "b", {{"x"}}}};
    ShareMeaning(shared, {{0, 0}, {1, 0}});
    VocabDrill m = drill(shared, 2, 4);
    PenalizeMeaningRing(m.Table, {0, 0}, 2, 4);
    EXPECT_EQ(scores(m), (std::vector<double>{0, -2, 0}));

    // Damaged links that run in circles: every walk ends after at most the table's size of
    // steps, and judging in both directions comes back.
    std::vector<TestWord> cycle{{1, "a", {{"x"}}}, {1, "b", {{"x"}}}};
    ChainEntries(cycle, {0, 1});
    ShareMeaning(cycle, {{0, 0}, {1, 0}});
    cycle[0].prevEntry = 1;
    cycle[0].meanings[0].prevWord = 1;
    VocabDrill c = drill(cycle, 1, 1);
    c.Table.Records[1].NextEntry = 0;
    c.Table.Records[1].Meanings[0].NextWord = 0;
    ask(c, 0, {}, {{"y", "None"}});
    ask(c, 0, {{0, 0}, {1, 0}}, {{"c", "None"}, {"d", "None"}});
    for (double s : scores(c))
        EXPECT_GT(s, -100);
}

} // namespace
