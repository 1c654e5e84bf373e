// The built Data/Athenaze.lxv, read as the drill reads it: whole lines, record after record.

#include "data/paradigms/DataFiles.h"
#include "greek/GreekStuff.h"

#include <charconv>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <stdexcept>

namespace {

const std::set<std::string> MarkerCodes{"Plu", "Acc", "Gen", "Dat", "Ind",
                                        "Sub", "Opt", "Inf", "Part"};

struct Meaning {
    std::string text;
    int nextWord = 0, nextMeaning = 0, prevWord = 0, prevMeaning = 0;
    std::string flag, marker;
    std::string key() const { return text + " [" + marker + "]"; }
};

struct Record {
    int chapter = 0;
    std::string headword, secondForm;
    int nextEntry = 0, prevEntry = 0;
    std::string flag, marker;
    std::vector<Meaning> meanings;
};

// Reads the records the way the drill does; throws at the first line out of place.
std::vector<Record> ReadList(const std::vector<std::string>& lines) {
    std::size_t at = 0;
    auto text = [&]() -> const std::string& {
        if (at == lines.size())
            throw std::runtime_error("the file ends inside a record");
        return lines[at++];
    };
    auto number = [&] {
        const std::string& line = text();
        int value = 0;
        auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), value);
        if (line.empty() || error != std::errc() || end != line.data() + line.size())
            throw std::runtime_error("line " + std::to_string(at) + " is no number: " + line);
        return value;
    };
    std::vector<Record> records(static_cast<std::size_t>(std::max(number(), 0)));
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (i > 0 && !text().empty())
            throw std::runtime_error("the line between two records is not empty");
        Record& r = records[i];
        r.chapter = number();
        r.headword = text();
        r.secondForm = text();
        r.nextEntry = number();
        r.prevEntry = number();
        r.flag = text();
        r.marker = text();
        r.meanings.resize(static_cast<std::size_t>(std::max(number(), 0)));
        for (Meaning& m : r.meanings) {
            m.text = text();
            m.nextWord = number();
            m.nextMeaning = number();
            m.prevWord = number();
            m.prevMeaning = number();
            m.flag = text();
            m.marker = text();
        }
    }
    if (at != lines.size())
        throw std::runtime_error("lines follow the last record");
    return records;
}

class AthenazeList : public testing::Test {
protected:
    // Read once for all the tests; a file that cannot be read fails every test.
    void SetUp() override {
        if (!records_.empty())
            return;
        try {
            const auto lines = DataFileLines("Athenaze.lxv");
            for (const std::string& line : lines)
                ASSERT_EQ(line.find_first_of("\r\n"), std::string::npos) << "a lone CR or LF";
            records_ = ReadList(lines);
        } catch (const std::exception& e) {
            FAIL() << e.what();
        }
    }
    static int count() { return static_cast<int>(records_.size()); }
    static const Record& at(int i) { return records_.at(static_cast<std::size_t>(i)); }

    static inline std::vector<Record> records_;
};

TEST_F(AthenazeList, ChaptersMarkersAndGreekAreSound) {
    EXPECT_GE(count(), 300);
    std::set<int> chapters;
    std::set<std::string> onHeadwords, onMeanings;
    auto marker = [](const std::string& flag, const std::string& code, const std::string& where,
                     std::set<std::string>& used) {
        EXPECT_TRUE((flag == "0" && code == "None") || flag == "1") << where;
        if (flag == "1")
            used.insert(code);
    };
    for (const Record& r : records_) {
        EXPECT_GE(r.chapter, chapters.empty() ? 1 : *chapters.rbegin()) << r.headword;
        chapters.insert(r.chapter);
        marker(r.flag, r.marker, r.headword, onHeadwords);
        for (const Meaning& m : r.meanings)
            marker(m.flag, m.marker, r.headword + ": " + m.text, onMeanings);
        for (const std::string& greek : {r.headword, r.secondForm})
            EXPECT_EQ(DisplayFontToBeta(BetaToDisplayFont(greek)), greek);
    }
    EXPECT_GE(chapters.size(), 12u);
    EXPECT_EQ(onHeadwords, MarkerCodes);
    EXPECT_EQ(onMeanings, MarkerCodes);
}

// Each word's entries form one chain in rising chapters, and a later entry keeps every meaning
// of the one before (the drill asks a word by its latest entry within the chapters drilled).
TEST_F(AthenazeList, EntryChainsJoinEachWordsEntriesInChapterOrder) {
    std::map<std::string, int> heads, entries;
    for (int i = 0; i < count(); ++i) {
        const Record& r = at(i);
        ++entries[r.headword];
        if (r.prevEntry == -1)
            ++heads[r.headword];
        else
            EXPECT_EQ(at(r.prevEntry).nextEntry, i) << r.headword;
        if (r.nextEntry == -1)
            continue;
        ASSERT_TRUE(r.nextEntry >= 0 && r.nextEntry < count()) << r.headword;
        const Record& next = at(r.nextEntry);
        EXPECT_EQ(next.prevEntry, i) << r.headword;
        EXPECT_EQ(next.headword, r.headword);
        EXPECT_GT(next.chapter, r.chapter) << r.headword;
        std::set<std::string> later;
        for (const Meaning& m : next.meanings)
            later.insert(m.key());
        for (const Meaning& m : r.meanings)
            EXPECT_TRUE(later.count(m.key())) << r.headword << " drops " << m.key();
    }
    int several = 0;
    for (const auto& [headword, n] : entries) {
        EXPECT_EQ(heads[headword], 1) << headword;
        several += n > 1;
    }
    EXPECT_GE(several, 10);
}

// A meaning that several words share chains one entry of each of them, at most six (the answer
// boxes); a meaning of one word only is not linked.
TEST_F(AthenazeList, MeaningChainsJoinTheWordsThatShareAMeaning) {
    std::map<std::string, std::set<std::string>> wordsOf;
    for (const Record& r : records_)
        for (const Meaning& m : r.meanings)
            wordsOf[m.key()].insert(r.headword);
    int shared = 0;
    for (int i = 0; i < count(); ++i) {
        for (int j = 0; j < static_cast<int>(at(i).meanings.size()); ++j) {
            const Meaning& m = at(i).meanings[static_cast<std::size_t>(j)];
            const std::set<std::string>& words = wordsOf[m.key()];
            const std::string where = at(i).headword + ": " + m.key();
            if (words.size() == 1) {
                EXPECT_TRUE(m.nextWord == -1 && m.prevWord == -1) << where;
                continue;
            }
            if (m.prevWord != -1)
                continue;
            ++shared;
            std::set<std::string> walked;
            for (int w = i, k = j;;) {
                const Meaning& here = at(w).meanings.at(static_cast<std::size_t>(k));
                EXPECT_EQ(here.key(), m.key()) << where;
                EXPECT_EQ(at(w).flag + at(w).marker, at(i).flag + at(i).marker) << where;
                ASSERT_TRUE(walked.insert(at(w).headword).second) << where << ": a word twice";
                ASSERT_LE(walked.size(), 6u) << where;
                if (here.nextWord == -1)
                    break;
                ASSERT_TRUE(here.nextWord >= 0 && here.nextWord < count()) << where;
                const Meaning& after =
                    at(here.nextWord).meanings.at(static_cast<std::size_t>(here.nextMeaning));
                EXPECT_TRUE(after.prevWord == w && after.prevMeaning == k) << where;
                EXPECT_GE(at(here.nextWord).chapter, at(w).chapter) << where;
                w = here.nextWord;
                k = here.nextMeaning;
            }
            EXPECT_EQ(walked, words) << where;
        }
    }
    EXPECT_GE(shared, 15);
}

} // namespace
