#include "AppFixture.h"
#include "app/PrefsFile.h"
#include "platform/Folders.h"
#include "support/FileSizeLimit.h"

namespace {

const std::string DefaultFile = "50\r\n\"Athenaze.lxv\"\r\n15\r\n1\r\n3\r\n3\r\n\"Ortholex\"\r\n"
                                "\"MS Sans Serif\"\r\n25\r\n1\r\n";

const std::string CouldNotOpen =
    "I could not open your preference file; using default preferences instead.";

LexivoPrefFile defaults() {
    LexivoPrefFile prefs;
    SetDefaultPrefValues(prefs);
    return prefs;
}

LexivoPrefFile unusual() {
    LexivoPrefFile prefs;
    prefs.Iterations = 32767;
    prefs.VocabFileName = "My list, new.lxv";
    prefs.PercentActive = 100;
    prefs.VocabChaptStart = 7;
    prefs.VocabChaptEnd = -32768;
    prefs.Reinforcement = 10;
    prefs.GreekFont = " Ortholex ";
    prefs.EnglishFont = "";
    prefs.Review = 0;
    prefs.AccentsImportant = -1;
    return prefs;
}

class PrefsFileTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        makeFolders(true, true);
        UserFolder = dir.path("Users");
    }
    std::string prefsPath() const { return UserFolder + "/Prefs.lxp"; }
};

} // namespace

TEST_F(PrefsFileTest, DefaultsAreWrittenAsTenCrLfLines) {
    Prefs = defaults();
    ASSERT_TRUE(SaveUserPrefs());
    EXPECT_EQ(TempFolder::read(prefsPath()), DefaultFile);
    EXPECT_TRUE(messages.empty());
}

TEST_F(PrefsFileTest, SaveThenLoadGivesBackTheSameValues) {
    Prefs = unusual();
    ASSERT_TRUE(SaveUserPrefs());
    Prefs = LexivoPrefFile{};
    EXPECT_EQ(LoadUserPrefs(), PrefsLoad::Read);
    EXPECT_TRUE(Prefs == unusual());
    EXPECT_TRUE(messages.empty());
}

TEST_F(PrefsFileTest, ValuesOnOneLineReadTheSame) {
    dir.write("Users/Prefs.lxp",
              "50, \"Athenaze.lxv\",15,1\r\n3,3,\"Ortholex\",\"MS Sans Serif\"\r\n"
              "25,1");
    EXPECT_EQ(LoadUserPrefs(), PrefsLoad::Read);
    EXPECT_TRUE(Prefs == defaults());
}

TEST_F(PrefsFileTest, MissingFileGivesTheDefaultsSilently) {
    Prefs = unusual();
    EXPECT_EQ(LoadUserPrefs(), PrefsLoad::Missing);
    EXPECT_TRUE(Prefs == defaults());
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(FileExists(prefsPath()));
}

TEST_F(PrefsFileTest, DamagedFilesGiveOneMessageAndTheDefaults) {
    static const char Garbage[] = "\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff\xfe";
    const std::string nineLines = DefaultFile.substr(0, DefaultFile.rfind("1\r\n"));
    const std::pair<const char*, std::string> damaged[] = {
        {"nine lines", nineLines},
        {"text in a number line", "fifty\r\n" + DefaultFile.substr(4)},
        {"a huge number", "40000\r\n" + DefaultFile.substr(4)},
        {"a missing closing quote", "50\r\n\"Athenaze.lxv\r\n" + DefaultFile.substr(20)},
        {"an empty file", ""},
        {"binary garbage", std::string(Garbage, sizeof Garbage - 1)},
    };
    for (const auto& [what, contents] : damaged) {
        SCOPED_TRACE(what);
        dir.write("Users/Prefs.lxp", contents);
        messages.clear();
        Prefs = unusual();
        EXPECT_EQ(LoadUserPrefs(), PrefsLoad::Failed);
        EXPECT_TRUE(Prefs == defaults());
        EXPECT_EQ(messages, (std::vector<Message>{{CouldNotOpen, MsgIcon::Stop}}));
        EXPECT_EQ(TempFolder::read(prefsPath()), contents); // reading never changes the file
    }
}

TEST_F(PrefsFileTest, FailedWriteLeavesTheOldFileWhole) {
    dir.write("Users/Prefs.lxp", DefaultFile);
    Prefs = unusual();

    bool saved = true;
    {
        FileSizeLimit diskFull(16);
        saved = SaveUserPrefs();
    }

    EXPECT_FALSE(saved);
    EXPECT_EQ(messages, (std::vector<Message>{{"For some reason I could not save your preferences.",
                                               MsgIcon::Stop}}));
    EXPECT_EQ(TempFolder::read(prefsPath()), DefaultFile);
    EXPECT_EQ(FileNames(UserFolder), std::vector<std::string>{"Prefs.lxp"}); // no leftovers
    EXPECT_TRUE(Prefs == unusual());

    // A user folder that has gone cannot be written either.
    messages.clear();
    UserFolder = dir.path("Users/gone");
    EXPECT_FALSE(SaveUserPrefs());
    EXPECT_EQ(messages.size(), 1u);
}
