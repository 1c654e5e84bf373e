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

// A bad source fails with its file and line and writes nothing; good ones give the five files.
TEST_F(BuilderRun, WritesTheFiveFilesFromGoodSourcesAndNothingFromABadOne) {
    const std::string noun = write("n.txt", "noun lo/gos\nmasculine\n  nom lo/gos lo/gw lo/goi\n");
    const std::string verb = "verb lu/w\nactive present indicative\n  sg lu/w lu/eis";
    const std::string bad = write("bad.txt", verb + "\n");
    EXPECT_NE(build(bad, noun), 0);
    EXPECT_NE(report.find(bad + ":3: error:"), std::string::npos) << report;
    EXPECT_TRUE(std::filesystem::is_empty(folder / "Data"));

    ASSERT_EQ(build(write("v.txt", verb + " lu/ei\n"), noun), 0) << report;
    for (const char* name : {"Verbs.lxd", "VerbIndex.lxd", "Nouns.lxd", "NounIndex.lxd"})
        EXPECT_TRUE(std::filesystem::exists(folder / "Data" / name)) << name;
    EXPECT_EQ(read(folder / "Data" / "NounList.lxd"), "1\r\n01 1 lovgo\"\r\n");
}

} // namespace
