#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class BuilderRun : public testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("paradigm-builder-" + std::to_string(getpid()) + "-" +
                   testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_ / "Data");
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string Write(const std::string& name, const std::string& text) {
        std::ofstream(folder_ / name) << text;
        return (folder_ / name).string();
    }

    // Runs the builder as the build does; returns its exit status and keeps what it reported.
    int Run(const std::string& verb, const std::string& noun) {
        const std::string command =
            std::string(PARADIGM_BUILDER) + " '" + (folder_ / "Data").string() + "' --verbs '" +
            verb + "' --nouns '" + noun + "' 2> '" + (folder_ / "report").string() + "'";
        const int status = std::system(command.c_str());
        std::ifstream in(folder_ / "report");
        report_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    fs::path folder_;
    std::string report_;
};

const char* const GoodVerb = "verb lu/w\nactive present indicative\n  sg lu/w lu/eis lu/ei\n";
const char* const GoodNoun = "noun lo/gos\nmasculine\n  nom lo/gos lo/gw lo/goi\n";

} // namespace

TEST_F(BuilderRun, WritesTheFiveFilesFromGoodSources) {
    ASSERT_EQ(Run(Write("v.txt", GoodVerb), Write("n.txt", GoodNoun)), 0) << report_;
    for (const char* name :
         {"Verbs.lxd", "VerbIndex.lxd", "Nouns.lxd", "NounIndex.lxd", "NounList.lxd"})
        EXPECT_TRUE(fs::exists(folder_ / "Data" / name)) << name;
    EXPECT_EQ(fs::file_size(folder_ / "Data" / "NounList.lxd"),
              std::string("1\r\n01 1 lovgo\"\r\n").size());
}

TEST_F(BuilderRun, ABadSourceFailsWithItsFileAndLineAndWritesNothing) {
    const std::string verb = Write("bad.txt", "verb lu/w\nactive present indicative\n"
                                              "  sg lu/w lu/eis\n");
    EXPECT_NE(Run(verb, Write("n.txt", GoodNoun)), 0);
    EXPECT_NE(report_.find(verb + ":3: error:"), std::string::npos) << report_;
    EXPECT_TRUE(fs::is_empty(folder_ / "Data"));
}
