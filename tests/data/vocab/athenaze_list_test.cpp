// The shipped vocabulary list: the built Data/Athenaze.lxv is the builder's text of the linked
// source (whose layout the builder's own test pins down), and its links hold together.

#include "data/paradigms/DataFiles.h"
#include "data/vocab/VocabList.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

namespace {

const std::set<std::string> MarkerCodes{"Plu", "Acc", "Gen", "Dat", "Ind",
                                        "Sub", "Opt", "Inf", "Part"};

std::string Key(const SourceMeaning& m) {
    return m.text + " [" + m.marker + "]";
}

class AthenazeList : public testing::Test {
protected:
    // Linked once for all the tests; a source that cannot be linked fails every test.
    void SetUp() override {
        if (!records_.empty())
            return;
        const char* sources = std::getenv("LEXIVO_SOURCE_DIR");
        std::ifstream in(std::string(sources ? sources : "..") + "/data/vocab/Athenaze.txt",
                         std::ios::binary);
        const std::string source{std::istreambuf_iterator<char>(in), {}};
        try {
            records_ = LinkVocabList(ParseVocabSource(source));
        } catch (const VocabSourceError& e) {
            FAIL() << "line " << e.line() << ": " << e.what();
        }
    }
    static int count() { return static_cast<int>(records_.size()); }
    static const ListRecord& at(int i) { return records_.at(static_cast<std::size_t>(i)); }

    static inline std::vector<ListRecord> records_;
};

TEST_F(AthenazeList, TheBuiltListIsTheLinkedSource) {
    EXPECT_EQ(DataFileBytes("Athenaze.lxv"), VocabListText(records_));
}

TEST_F(AthenazeList, ChaptersRiseGreekShowsAndEveryMarkerIsUsed) {
    EXPECT_GE(count(), 300);
    std::set<int> chapters;
    std::set<std::string> onHeadwords, onMeanings;
    for (const ListRecord& r : records_) {
        EXPECT_GE(r.word.chapter, chapters.empty() ? 1 : *chapters.rbegin()) << r.word.headword;
        chapters.insert(r.word.chapter);
        for (const std::string& greek : {r.word.headword, r.word.secondForm})
            EXPECT_EQ(DisplayFontToBeta(BetaToDisplayFont(greek)), greek); // no mark lost
        if (!r.word.marker.empty())
            onHeadwords.insert(r.word.marker);
        for (const ListMeaning& m : r.meanings)
            if (!m.meaning.marker.empty())
                onMeanings.insert(m.meaning.marker);
    }
    EXPECT_GE(chapters.size(), 12u);
    EXPECT_EQ(onHeadwords, MarkerCodes);
    EXPECT_EQ(onMeanings, MarkerCodes);
}

// Each word's entries form one chain. That the chain rises by chapter and a later entry keeps every
// meaning of the one before, the builder makes sure of as it links the source (VocabBuilder's
// tests), and the built list is the linked source.
TEST_F(AthenazeList, EntryChainsJoinEachWordsEntries) {
    std::map<std::string, int> heads, entries;
    for (int i = 0; i < count(); ++i) {
        const ListRecord& r = at(i);
        const std::string& headword = r.word.headword;
        ++entries[headword];
        if (r.prevEntry == -1)
            ++heads[headword];
        else
            EXPECT_EQ(at(r.prevEntry).nextEntry, i) << headword;
        if (r.nextEntry == -1)
            continue;
        ASSERT_TRUE(r.nextEntry >= 0 && r.nextEntry < count()) << headword;
        const ListRecord& next = at(r.nextEntry);
        EXPECT_EQ(next.prevEntry, i) << headword;
        EXPECT_EQ(next.word.headword, headword);
    }
    int several = 0;
    for (const auto& [headword, n] : entries) {
        EXPECT_EQ(heads[headword], 1) << headword;
        several += n > 1;
    }
    EXPECT_GE(several, 10);
}

// A meaning that several words share chains one entry of each of them; a meaning of one word only
// is not linked. That a chain holds at most six words of one marker in rising chapters, the
// builder makes sure of (VocabBuilder's tests).
TEST_F(AthenazeList, MeaningChainsJoinTheWordsThatShareAMeaning) {
    std::map<std::string, std::set<std::string>> wordsOf;
    for (const ListRecord& r : records_)
        for (const ListMeaning& m : r.meanings)
            wordsOf[Key(m.meaning)].insert(r.word.headword);
    int shared = 0;
    for (int i = 0; i < count(); ++i) {
        for (int j = 0; j < static_cast<int>(at(i).meanings.size()); ++j) {
            const ListMeaning& m = at(i).meanings[static_cast<std::size_t>(j)];
            const std::set<std::string>& words = wordsOf[Key(m.meaning)];
            const std::string where = at(i).word.headword + ": " + Key(m.meaning);
            if (words.size() == 1) {
                EXPECT_TRUE(m.nextWord == -1 && m.prevWord == -1) << where;
                continue;
            }
            if (m.prevWord != -1)
                continue;
            ++shared;
            std::set<std::string> walked;
            for (int w = i, k = j;;) {
                const ListMeaning& here = at(w).meanings.at(static_cast<std::size_t>(k));
                EXPECT_EQ(Key(here.meaning), Key(m.meaning)) << where;
                ASSERT_TRUE(walked.insert(at(w).word.headword).second) << where << ": a word twice";
                if (here.nextWord == -1)
                    break;
                ASSERT_TRUE(here.nextWord >= 0 && here.nextWord < count()) << where;
                const ListMeaning& after =
                    at(here.nextWord).meanings.at(static_cast<std::size_t>(here.nextMeaning));
                EXPECT_TRUE(after.prevWord == w && after.prevMeaning == k) << where;
                w = here.nextWord;
                k = here.nextMeaning;
            }
            EXPECT_EQ(walked, words) << where;
        }
    }
    EXPECT_GE(shared, 15);
}

} // namespace
