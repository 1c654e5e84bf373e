// The paradigm builder as the build runs it.

#include "support/ToolTest.h"

namespace {

class BuilderRun : public ToolTest {
protected:
    int build(const std::string& verb, const std::string& noun) {
        std::filesystem::create_directories(folder / "Data");
        return run(PARADIGM_BUILDER,
                   {(folder / "Data").string(), "--verbs", verb, "--nouns", noun});
    }
};

const char* const GoodVerb = "verb lu/w\nactive present indicative\n  sg lu/w lu/eis lu/ei\n";
const char* const GoodNoun = "noun lo/gos\nmasculine\n  nom lo/gos lo/gw lo/goi\n";

TEST_F(BuilderRun, WritesTheFiveFilesFromGoodSources) {
    ASSERT_EQ(build(write("v.txt", GoodVerb), write("n.txt", GoodNoun)), 0) << report;
    for (const char* name : {"Verbs.lxd", "VerbIndex.lxd", "Nouns.lxd", "NounIndex.lxd"})
        EXPECT_TRUE(std::filesystem::exists(folder / "Data" / name)) << name;
    EXPECT_EQ(read(folder / "Data" / "NounList.lxd"), "1\r\n01 1 lovgo\"\r\n");
}

TEST_F(BuilderRun, ABadSourceFailsWithItsFileAndLineAndWritesNothing) {
    const std::string verb =
        write("bad.txt", "verb lu/w\nactive present indicative\n  sg lu/w lu/eis\n");
    EXPECT_NE(build(verb, write("n.txt", GoodNoun)), 0);
    EXPECT_NE(report.find(verb + ":3: error:"), std::string::npos) << report;
    EXPECT_TRUE(std::filesystem::is_empty(folder / "Data"));
}

} // namespace
