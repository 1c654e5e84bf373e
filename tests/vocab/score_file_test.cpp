#include "support/TempFolder.h"
#include "vocab/ListFile.h"
#include "vocab/ListText.h"
#include "vocab/ScoreFile.h"

#include <gtest/gtest.h>

namespace {

class ScoreFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        table = ReadVocabList(folder.write("list.lxv", ListText({{1, "lu/w", {{"loose"}}},
                                                                 {2, "a", {{"x"}}},
                                                                 {2.5, "pe/mpw", {{"send"}}}})),
                              1, 9);
    }
    std::vector<double> scores() const {
        std::vector<double> s;
        for (const WordRecord& r : table.Records)
            s.push_back(r.Score);
        return s;
    }
    std::string scoreFile(const std::string& bytes) { return folder.write("s.lxs", bytes); }

    TempFolder folder;
    WordTable table;
};

TEST_F(ScoreFileTest, SavedScoresComeBackAndTheFileHasItsFormat) {
    EXPECT_EQ(ScoreFilePath("/u/Maria", "Athenaze.lxv"), "/u/Maria/Athenaze.lxs");
    table.Records[0].Score = -7;
    table.Records[1].Score = 3;
    table.Records[2].Score = 1e9; // beyond 16 bits
    const std::string path = folder.path("s.lxs");
    SaveScores(path, table);
    EXPECT_EQ(TempFolder::read(path), "\" 1\"\r\n\"lu/\"\r\n\"-7\"\r\n"
                                      "\" 2\"\r\n\"a\"\r\n\" 3\"\r\n"
                                      "\" 2.5\"\r\n\"pe/\"\r\n\" 1000000000\"\r\n"
                                      "\" 0\"\r\n\"\"\r\n\" 0\"\r\n");
    const std::vector<double> saved = scores();
    for (WordRecord& r : table.Records)
        r.Score = 0;
    EXPECT_EQ(LoadScores(path, table), ScoreLoad::Loaded);
    EXPECT_EQ(scores(), saved);
}

// Shorter and reordered files are read by the drill window's tests.
TEST_F(ScoreFileTest, DamagedValuesCostOnlyTheirOwnRecords) {
    const std::string spare = "\" 0\"\r\n\"\"\r\n\" 0\"\r\n";
    struct Case {
        const char* what;
        std::string file;
        ScoreLoad result;
        std::vector<double> scores;
    } cases[] = {
        {"missing", "", ScoreLoad::NoFile, {0, 0, 0, 0}},
        {"a chapter beyond 16 bits and a score of no number",
         "\" 99999\"\r\n\"lu/\"\r\n\" 4\"\r\n\" 2\"\r\n\"a\"\r\n\"1e999\"\r\n\" 2.5\"\r\n"
         "\"pe/\"\r\n\" 2.5\"\r\n" +
             spare,
         ScoreLoad::Mismatch,
         {0, 0, 2, 0}},
        {"a damaged score reads as its leading number",
         "\" 1\"\r\n\"lu/\"\r\n\"x\"\r\n\" 2\"\r\n\"a\"\r\n\" 70000.5junk\"\r\n\" 2.5\"\r\n"
         "\"pe/\"\r\n\"-3.5\"\r\n" +
             spare,
         ScoreLoad::Loaded,
         {0, 70000, -4, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (WordRecord& r : table.Records)
            r.Score = 0;
        const std::string path = c.file.empty() ? folder.path("none.lxs") : scoreFile(c.file);
        EXPECT_EQ(LoadScores(path, table), c.result);
        EXPECT_EQ(scores(), c.scores);
    }
}

} // namespace
