// The built Data/Athenaze.lxv, read as the drill reads it.

#include "VocabListReader.h"
#include "data/paradigms/DataFiles.h"
#include "greek/GreekStuff.h"

#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <set>

namespace {

const std::set<std::string> Codes{"Plu", "Acc", "Gen", "Dat", "Ind", "Sub", "Opt", "Inf", "Part"};

class AthenazeList : public testing::Test {
protected:
    // Read once for all the tests; a file that cannot be read fails every test.
    void SetUp() override {
        if (!list_) {
            try {
                lines_ = DataFileLines("Athenaze.lxv");
                list_ = ParseList(lines_);
            } catch (const std::exception& e) {
                FAIL() << e.what();
            }
        }
    }
    const std::vector<ReadRecord>& records() const { return list_->records; }
    int count() const { return static_cast<int>(list_->records.size()); }
    const ReadRecord& at(int i) const { return list_->records.at(static_cast<std::size_t>(i)); }

    static inline std::vector<std::string> lines_;
    static inline std::optional<ReadList> list_;
};

std::string Key(const ReadMeaning& m) {
    return m.text + " [" + m.marker + "]";
}

TEST_F(AthenazeList, HoldsEveryRecordAndNothingAfterThem) {
    ASSERT_EQ(std::to_string(count()), lines_.front());
    std::size_t expected = 1 + (records().size() - 1);
    for (const ReadRecord& r : records())
        expected += 8 + 7 * r.meanings.size();
    EXPECT_EQ(lines_.size(), expected);
    EXPECT_EQ(list_->lineCount, lines_.size());
    for (const std::string& separator : list_->separators)
        EXPECT_EQ(separator, "");
    for (const std::string& line : lines_)
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << "a lone CR or LF: " << line;
}

TEST_F(AthenazeList, CoversAtLeastTwelveChaptersInTheirOrder) {
    EXPECT_GE(count(), 300);
    std::set<int> chapters;
    int previous = 0;
    for (const ReadRecord& r : records()) {
        EXPECT_GE(r.chapter, previous) << r.headword;
        previous = r.chapter;
        chapters.insert(r.chapter);
    }
    EXPECT_GE(chapters.size(), 12u);
    EXPECT_EQ(*chapters.begin(), 1);
}

TEST_F(AthenazeList, MarkersAreWellFormedAndEveryOneIsUsed) {
    std::set<std::string> onHeadwords, onMeanings;
    auto check = [](const std::string& flag, const std::string& marker, const std::string& where,
                    std::set<std::string>& used) {
        if (flag == "0") {
            EXPECT_EQ(marker, "None") << where;
        } else {
            EXPECT_EQ(flag, "1") << where;
            EXPECT_TRUE(Codes.count(marker)) << where << " " << marker;
            used.insert(marker);
        }
    };
    for (const ReadRecord& r : records()) {
        check(r.flag, r.marker, r.headword, onHeadwords);
        for (const ReadMeaning& m : r.meanings)
            check(m.flag, m.marker, r.headword + ": " + m.text, onMeanings);
    }
    EXPECT_EQ(onHeadwords, Codes);
    EXPECT_EQ(onMeanings, Codes);
}

TEST_F(AthenazeList, MeaningsFitTheAnswerBoxesAndTheFirstPersonRule) {
    for (const ReadRecord& r : records()) {
        ASSERT_GE(r.meanings.size(), 1u) << r.headword;
        EXPECT_LE(r.meanings.size(), 6u) << r.headword;
        // The drill rewrites a later meaning into the first person when the first one is;
        // the list already says what the drill will show.
        bool firstPerson = r.meanings.front().text.rfind("I ", 0) == 0;
        for (const ReadMeaning& m : r.meanings) {
            EXPECT_FALSE(m.text.empty()) << r.headword;
            EXPECT_NE(m.text.front(), ' ') << r.headword;
            if (firstPerson) {
                EXPECT_EQ(m.text.rfind("I ", 0), 0u) << r.headword << ": " << m.text;
            }
        }
    }
}

TEST_F(AthenazeList, EntryChainsJoinEveryEntryOfAWordInChapterOrder) {
    std::map<std::string, std::vector<int>> entries;
    for (int i = 0; i < count(); ++i)
        entries[at(i).headword].push_back(i);
    int wordsWithSeveralEntries = 0;
    for (const auto& [headword, indices] : entries) {
        // Walk the chain from its first entry; it must visit exactly this word's entries.
        int first = indices.front();
        while (at(first).prevEntry != -1) {
            ASSERT_GE(at(first).prevEntry, 0);
            ASSERT_LT(at(first).prevEntry, count());
            first = at(first).prevEntry;
        }
        std::vector<int> walked;
        for (int e = first; e != -1; e = at(e).nextEntry) {
            ASSERT_GE(e, 0);
            ASSERT_LT(e, count());
            ASSERT_LE(walked.size(), indices.size()) << headword << ": the chain loops";
            EXPECT_EQ(at(e).headword, headword);
            if (!walked.empty()) {
                EXPECT_EQ(at(e).prevEntry, walked.back()) << headword;
                EXPECT_GT(at(e).chapter, at(walked.back()).chapter) << headword;
            }
            walked.push_back(e);
        }
        EXPECT_EQ(std::set<int>(walked.begin(), walked.end()),
                  std::set<int>(indices.begin(), indices.end()))
            << headword;
        if (indices.size() > 1)
            ++wordsWithSeveralEntries;
        // The latest entry asked within a range must hold every meaning learnt so far.
        for (std::size_t k = 1; k < walked.size(); ++k) {
            std::set<std::string> later;
            for (const ReadMeaning& m : at(walked[k]).meanings)
                later.insert(Key(m));
            for (const ReadMeaning& m : at(walked[k - 1]).meanings)
                EXPECT_TRUE(later.count(Key(m))) << headword << " drops " << Key(m);
        }
    }
    EXPECT_GE(wordsWithSeveralEntries, 10);
}

TEST_F(AthenazeList, MeaningChainsJoinTheWordsThatShareAMeaning) {
    std::map<std::string, std::set<std::string>> wordsOf; // meaning -> headwords
    for (const ReadRecord& r : records()) {
        for (const ReadMeaning& m : r.meanings)
            wordsOf[Key(m)].insert(r.headword);
    }
    int shared = 0;
    for (int i = 0; i < count(); ++i) {
        for (int j = 0; j < static_cast<int>(at(i).meanings.size()); ++j) {
            const ReadMeaning& m = at(i).meanings[static_cast<std::size_t>(j)];
            std::string where = at(i).headword + ": " + Key(m);
            bool isShared = wordsOf[Key(m)].size() > 1;
            if (!isShared) {
                EXPECT_EQ(m.nextWord, -1) << where;
                EXPECT_EQ(m.prevWord, -1) << where;
                continue;
            }
            if (m.prevWord == -1) {
                // The head of a chain: walk it and compare with every word of the meaning.
                ++shared;
                std::set<std::string> walked;
                int w = i, k = j, steps = 0;
                for (;;) {
                    const ReadMeaning& here = at(w).meanings.at(static_cast<std::size_t>(k));
                    EXPECT_EQ(Key(here), Key(m)) << where;
                    EXPECT_TRUE(walked.insert(at(w).headword).second)
                        << where << ": " << at(w).headword << " stands twice";
                    EXPECT_EQ(at(w).flag + at(w).marker, at(i).flag + at(i).marker) << where;
                    if (here.nextWord == -1)
                        break;
                    ASSERT_GE(here.nextWord, 0) << where;
                    ASSERT_LT(here.nextWord, count()) << where;
                    ASSERT_GE(here.nextMeaning, 0) << where;
                    const ReadRecord& next = at(here.nextWord);
                    ASSERT_LT(here.nextMeaning, static_cast<int>(next.meanings.size())) << where;
                    const ReadMeaning& after =
                        next.meanings[static_cast<std::size_t>(here.nextMeaning)];
                    EXPECT_EQ(after.prevWord, w) << where;
                    EXPECT_EQ(after.prevMeaning, k) << where;
                    EXPECT_GE(next.chapter, at(w).chapter) << where;
                    w = here.nextWord;
                    k = here.nextMeaning;
                    ASSERT_LT(++steps, 6) << where << ": more pairs than answer boxes";
                }
                EXPECT_EQ(walked, wordsOf[Key(m)]) << where;
            }
        }
    }
    EXPECT_GE(shared, 15);
}

TEST_F(AthenazeList, GreekIsCanonicalBetaThatSurvivesTheDisplayFont) {
    for (const ReadRecord& r : records()) {
        for (const std::string& greek : {r.headword, r.secondForm}) {
            EXPECT_EQ(greek.find_first_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ\\"), std::string::npos)
                << greek;
            EXPECT_EQ(SortBetaMarks(greek), greek);
            EXPECT_EQ(DisplayFontToBeta(BetaToDisplayFont(greek)), greek);
        }
    }
}

} // namespace
