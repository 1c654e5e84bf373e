// make_vocab_list as the build runs it.

#include "data/vocab/VocabList.h"
#include "support/ToolTest.h"

namespace {

class MakeVocabList : public ToolTest {
protected:
    int build(const std::string& source) {
        return run(MAKE_VOCAB_LIST, {write("words.txt", source), list()});
    }
    std::string list() const { return (folder / "Words.lxv").string(); }
};

TEST_F(MakeVocabList, WritesTheListOfASoundSource) {
    const std::string source = "chapter 1\nlu/w ; lu/sw ; I loose\n";
    ASSERT_EQ(build(source), 0) << report;
    EXPECT_EQ(read(list()), VocabListText(LinkVocabList(ParseVocabSource(source))));
    EXPECT_FALSE(std::filesystem::exists(list() + ".part"));
}

TEST_F(MakeVocabList, StopsAtAFaultWithItsLineAndKeepsTheOldList) {
    ASSERT_EQ(build("chapter 1\nlu/w ; lu/sw ; I loose\n"), 0) << report;
    const std::string old = read(list());
    EXPECT_EQ(build("chapter 1\n\nlu/w ; lu/sw ; I loose ; release\n"), 1);
    EXPECT_NE(report.find("words.txt:3: error: "), std::string::npos) << report;
    EXPECT_EQ(read(list()), old);
}

} // namespace
