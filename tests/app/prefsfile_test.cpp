#include "app/MyApp.h"
#include "app/PrefsFile.h"
#include "platform/Folders.h"
#include "support/FileSizeLimit.h"
#include "support/Messages.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

const std::string DefaultFile = "50\r\n\"Athenaze.lxv\"\r\n15\r\n1\r\n3\r\n3\r\n\"Ortholex\"\r\n"
                                "\"MS Sans Serif\"\r\n25\r\n1\r\n";

LexivoPrefFile defaults() {
    LexivoPrefFile prefs;
    SetDefaultPrefValues(prefs);
    return prefs;
}

LexivoPrefFile unusual() {
    return {.AccentsImportant = -1,
            .EnglishFont = "",
            .GreekFont = " Ortholex ",
            .Iterations = 32767,
            .PercentActive = 100,
            .Reinforcement = 10,
            .Review = 0,
            .VocabChaptEnd = -32768,
            .VocabChaptStart = 7,
            .VocabFileName = "My list, new.lxv"};
}

// A user folder of the test's own, with messages recorded.
class PrefsFileTest : public testing::Test {
protected:
    void SetUp() override {
        RecordMessages(messages);
        UserFolder = path("Users");
        MakeFolder(UserFolder);
    }
    void TearDown() override {
        SetMessageSink(nullptr);
        UserFolder.clear();
    }
    std::string path(const std::string& name) const { return folder.path(name); }
    void write(const std::string& name, const std::string& bytes) const {
        folder.write(name, bytes);
    }
    std::string read(const std::string& name) const { return TempFolder::read(path(name)); }

    TempFolder folder;
    std::vector<Message> messages;
};

TEST_F(PrefsFileTest, WrittenAsCrLfLinesAndReadBackOrMissing) {
    Prefs = defaults();
    ASSERT_TRUE(SaveUserPrefs());
    EXPECT_EQ(read("Users/Prefs.lxp"), DefaultFile);

    Prefs = unusual();
    ASSERT_TRUE(SaveUserPrefs());
    Prefs = LexivoPrefFile{};
    EXPECT_EQ(LoadUserPrefs(), PrefsLoad::Read);
    EXPECT_TRUE(Prefs == unusual());

    // A number is the value's leading number.
    write("Users/Prefs.lxp", "49.5 items\r\n\"Athenaze.lxv\"\r\n15abc" + DefaultFile.substr(22));
    EXPECT_EQ(LoadUserPrefs(), PrefsLoad::Read);
    EXPECT_EQ(Prefs.Iterations, 50);
    EXPECT_EQ(Prefs.PercentActive, 15);

    // A missing file gives the defaults silently.
    std::filesystem::remove(path("Users/Prefs.lxp"));
    Prefs = unusual();
    EXPECT_EQ(LoadUserPrefs(), PrefsLoad::Missing);
    EXPECT_TRUE(Prefs == defaults());
    EXPECT_FALSE(FileExists(path("Users/Prefs.lxp")));
    EXPECT_TRUE(messages.empty());
}

TEST_F(PrefsFileTest, DamagedFilesGiveOneMessageAndTheDefaults) {
    static const char Garbage[] = "\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff\xfe";
    const std::string damaged[] = {
        DefaultFile.substr(0, DefaultFile.rfind("1\r\n")), // nine lines
        "40000\r\n" + DefaultFile.substr(4),
        "fifty\r\n" + DefaultFile.substr(4), // a number field without a number
        "\r\n" + DefaultFile.substr(4),
        DefaultFile.substr(0, 26) + "-\r\n" + DefaultFile.substr(30),
        // Ten lines of bytes that are no preference file.
        "\x9c\x01\r\n\xe4\r\n\xff\xfe\r\nA\r\n\x07\r\n\x80\r\n\xd3\r\n\x11\r\n\xaa\r\nz\r\n",
        "50\r\n\"Athenaze.lxv\r\n" + DefaultFile.substr(20), // a quote not closed
        "",
        std::string(Garbage, sizeof Garbage - 1),
    };
    for (const std::string& contents : damaged) {
        SCOPED_TRACE(contents);
        write("Users/Prefs.lxp", contents);
        messages.clear();
        Prefs = unusual();
        EXPECT_EQ(LoadUserPrefs(), PrefsLoad::Failed);
        EXPECT_TRUE(Prefs == defaults());
        EXPECT_EQ(messages, (std::vector<Message>{{"I could not open your preference file; using "
                                                   "default preferences instead.",
                                                   MsgIcon::Stop}}));
        EXPECT_EQ(read("Users/Prefs.lxp"), contents); // reading never changes the file
    }
}

TEST_F(PrefsFileTest, FailedWriteLeavesTheOldFileWhole) {
    write("Users/Prefs.lxp", DefaultFile);
    Prefs = unusual();
    bool saved = true;
    {
        FileSizeLimit diskFull(16);
        saved = SaveUserPrefs();
    }
    EXPECT_FALSE(saved);
    EXPECT_EQ(messages, (std::vector<Message>{{"For some reason I could not save your preferences.",
                                               MsgIcon::Stop}}));
    EXPECT_EQ(read("Users/Prefs.lxp"), DefaultFile);
    EXPECT_EQ(FileNames(UserFolder), std::vector<std::string>{"Prefs.lxp"}); // no leftovers

    // A user folder that has gone cannot be written either.
    UserFolder = path("Users/gone");
    EXPECT_FALSE(SaveUserPrefs());
    EXPECT_EQ(messages.size(), 2u);
}

} // namespace
