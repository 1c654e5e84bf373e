#include "support/RunErrorOf.h"
#include "support/TempFolder.h"
#include "vocab/ListFile.h"
#include "vocab/ListText.h"

#include <gtest/gtest.h>

namespace {

class ListFileTest : public ::testing::Test {
protected:
    WordTable read(const std::vector<TestWord>& words, double start = 1, double end = 99) {
        return ReadVocabList(folder.write("list.lxv", ListText(words)), start, end);
    }
    TempFolder folder;
};

TestWord word(double chapter, const std::string& headword, std::vector<std::string> meanings) {
    TestWord w{chapter, headword, {}};
    for (const std::string& m : meanings)
        w.meanings.push_back({m});
    return w;
}

TEST_F(ListFileTest, RecordsAreReadAtTheirLinesWithTheSpareRecordAfterThem) {
    std::vector<std::string> nine;
    for (int j = 0; j < 9; ++j)
        nine.push_back("m" + std::to_string(j));
    std::vector<TestWord> words{word(1, "lu/w", {"I loose", " release", "set free"}),
                                word(2, "a)/gw", nine), word(2, "e)n", {}),
                                word(3, "kai/", {"and", "I also"}), word(4, "ou)", {"not"})};
    words[1].flag = 1;
    words[1].marker = "Acc";
    const WordTable t = read(words, 2, 3);

    ASSERT_EQ(t.WordCount, 5);
    ASSERT_EQ(t.Records.size(), 6u);
    EXPECT_EQ(t.DrillWordList, " 1, 2, 3");
    EXPECT_EQ(t.DrillWords, (std::vector<int>{1, 2, 3}));
    // The first-person rule puts later meanings in the first person only after "I ...".
    EXPECT_EQ(t.Records[0].Meanings[1].Text, "I release");
    EXPECT_EQ(t.Records[0].Meanings[2].Text, "I set free");
    EXPECT_EQ(t.Records[3].Meanings[1].Text, "I also");
    // Nine meanings: seven kept, the count as read, the next record at its right lines.
    EXPECT_EQ(t.Records[1].MeaningCount, 9);
    EXPECT_EQ(t.Records[1].StoredMeanings(), KeptMeanings);
    EXPECT_EQ(t.Records[1].Meanings[6].Text, "m6");
    EXPECT_EQ(t.Records[1].Marker, "Acc");
    EXPECT_EQ(t.Records[2].Headword, "e)n");
    EXPECT_TRUE(t.Records[2].Meanings.empty());
    EXPECT_EQ(t.Records[4].Headword, "ou)");
    const WordRecord& spare = t.Records[5];
    EXPECT_EQ(spare.Chapter, 0);
    EXPECT_EQ(spare.Headword, "");
    EXPECT_EQ(spare.NextEntry, NoLink);
    EXPECT_EQ(spare.PrevEntry, NoLink);
}

TEST_F(ListFileTest, EmptyAndShortListsAndOddChapters) {
    EXPECT_EQ(ReadVocabList(folder.write("a.lxv", "0\r\n"), 1, 9).Records.size(), 1u);
    EXPECT_EQ(ReadVocabList(folder.write("b.lxv", "none\r\n"), 1, 9).WordCount, 0);
    // A file that ends inside a record: see the drill window's tests.
    EXPECT_EQ(RunErrorOf([&] { ReadVocabList(folder.write("d.lxv", "40000\r\n"), 1, 9); }),
              ErrNo::Overflow);
    // Chapters between the range's ends, and chapters far beyond 16 bits, are no trouble.
    const WordTable t = read({word(3, "a", {}), word(5, "b", {}), word(1e9, "c", {})}, 4, 4);
    EXPECT_TRUE(t.DrillWords.empty());
    EXPECT_EQ(t.Records[2].Chapter, 1e9);
}

// Entry links of record 2 and the meaning link of record 1 set to each value in turn: each
// leads nowhere and reads as "none"; in a healthy list the links stay as they are.
TEST_F(ListFileTest, LinksThatLeadNowhereReadAsNone) {
    std::vector<TestWord> words{word(1, "a", {"x", "y"}), word(1, "b", {"x"}), word(1, "c", {})};
    ChainEntries(words, {0, 1});
    ShareMeaning(words, {{0, 0}, {1, 0}});
    const WordTable healthy = read(words);
    EXPECT_EQ(healthy.EntryChain(1), (std::vector<int>{0, 1}));
    EXPECT_EQ(healthy.PrevPair({1, 0}), (MeaningPair{0, 0}));
    const std::pair<int, int> links[] = {{3, 0}, {-7, 0}, {99999, 0}, {2, 0}, {0, 2}, {0, -1}};
    for (const auto& [link, meaning] : links) {
        std::vector<TestWord> bad = words;
        bad[2].nextEntry = bad[2].prevEntry = link;
        bad[1].meanings[0].nextWord = link;
        bad[1].meanings[0].nextMeaning = meaning;
        const WordTable t = read(bad);
        EXPECT_EQ(t.NextPair({1, 0}).word, NoLink) << link << "," << meaning;
        if (!t.IsWord(link)) {
            EXPECT_EQ(t.EntryChain(2), std::vector<int>{2}) << link;
        }
    }
}

} // namespace
