// make_vocab_list as the build runs it.

#include "data/vocab/VocabList.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;

class MakeVocabList : public testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("make_vocab_list_" + std::to_string(::getpid()) + "_" +
                testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    // Runs the tool on source; returns its exit status and keeps what it said.
    int Run(const std::string& source) {
        std::ofstream(dir_ / "words.txt", std::ios::binary) << source;
        std::string command = std::string("'") + MAKE_VOCAB_LIST + "' '" +
                              (dir_ / "words.txt").string() + "' '" + list().string() + "' 2> '" +
                              (dir_ / "said.txt").string() + "'";
        int status = std::system(command.c_str());
        said_ = Read(dir_ / "said.txt");
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    static std::string Read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    fs::path list() const { return dir_ / "Words.lxv"; }

    fs::path dir_;
    std::string said_;
};

TEST_F(MakeVocabList, WritesTheListOfASoundSource) {
    const std::string source = "chapter 1\nlu/w ; lu/sw ; I loose\n";
    ASSERT_EQ(Run(source), 0) << said_;
    EXPECT_EQ(Read(list()), VocabListText(LinkVocabList(ParseVocabSource(source))));
    EXPECT_FALSE(fs::exists(list().string() + ".part"));
}

TEST_F(MakeVocabList, StopsAtAFaultWithItsLineAndKeepsTheOldList) {
    ASSERT_EQ(Run("chapter 1\nlu/w ; lu/sw ; I loose\n"), 0) << said_;
    const std::string old = Read(list());
    EXPECT_EQ(Run("chapter 1\n\nlu/w ; lu/sw ; I loose ; release\n"), 1);
    EXPECT_NE(said_.find("words.txt:3: error: "), std::string::npos) << said_;
    EXPECT_EQ(Read(list()), old);
}

} // namespace
