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

// A sound source gives its list; a faulty one stops the build at its line and keeps the old list.
TEST_F(MakeVocabList, WritesTheListOfASoundSourceAndKeepsItAtAFault) {
    const std::string source = "chapter 1\nlu/w ; lu/sw ; I loose\n";
    ASSERT_EQ(build(source), 0) << report;
    const std::string old = read(list());
    EXPECT_EQ(old, VocabListText(LinkVocabList(ParseVocabSource(source))));
    EXPECT_FALSE(std::filesystem::exists(list() + ".part"));
    EXPECT_EQ(build("chapter 1\n\nlu/w ; lu/sw ; I loose ; release\n"), 1);
    EXPECT_NE(report.find("words.txt:3: error: "), std::string::npos) << report;
    EXPECT_EQ(read(list()), old);
}

} // namespace
