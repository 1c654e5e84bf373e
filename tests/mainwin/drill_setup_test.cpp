// Beginning a verb or noun drill from the main window: what is said when the choices cannot
// make one, and the data files whose loss ends the program.
#include "support/DrillFixture.h"
#include "widgets/ProgDialog.h"

#include <QAction>

namespace {

TEST_F(DrillTest, ChoicesThatMakeNoDrillAreToldAndNothingIsSaved) {
    const char* const noForms =
        "This particular combination of choices did not result in any valid forms.";
    struct Case {
        const char* name;
        int tab;
        std::function<void()> choose;
        const char* message;
    };
    const Case cases[] = {
        {"no tense", 1, [&] { checkBox("PresBut", false); },
         "You need to choose at least one tense, one mood, and one voice. "},
        {"no tense and no verb", 1,
         [&] {
             checkBox("ActBut", false);
             checkItems("VerbListBox", {});
         },
         "You need to choose at least one tense, one mood, and one voice. "},
        {"no verb", 1, [&] { checkItems("VerbListBox", {}); },
         "You need to choose at least one verb from the list (select verbs by clicking the "
         "check-boxes)."},
        {"a tense the verb lacks", 1,
         [&] {
             checkBox("PresBut", false);
             checkBox("InfBut", false);
             checkBox("FutPerfBut");
         },
         noForms},
        {"no word", 2, [&] { checkItems("NounListBox", {}); },
         "You need to choose at least one noun, pronoun, or adjective from the list (select "
         "words by clicking the check-boxes)."},
        {"a word without forms", 2, [&] { checkItems("NounListBox", {2}); }, noForms},
    };
    startProgram();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        messages.clear();
        click(main, "VerbDefaultButton");
        click(main, "NounDefaultButton");
        c.choose();
        begin(c.tab, "5");
        EXPECT_EQ(messages, (std::vector<Message>{{c.message, MsgIcon::Exclamation}}));
        ASSERT_NE(drill, nullptr);
        EXPECT_FALSE(drill->isVisible());
        EXPECT_TRUE(main->isVisible());
        EXPECT_FALSE(ProgDialog::IsLoaded());
        for (const char* file : {"Prefs.lxp", "VerbPrefs.lxp", "NounPrefs.lxp"})
            EXPECT_FALSE(std::filesystem::exists(path(std::string("Users/Maria/") + file)));
    }

    // The menu begins the drill as the button does.
    messages.clear();
    child<QAction>(main, "mnuDrillsNoun")->trigger();
    EXPECT_EQ(messages.back().text, noForms);
}

TEST_F(DrillTest, TheDrillWindowOffersTheButtonsOfTheChoicesMadeAlone) {
    struct Case {
        std::vector<const char*> boxes;
        std::string enabled; // in the window's order: voice, tense, mood, person, number
    };
    const Case cases[] = {
        {{}, "ActiveBut PresBut IndicBut InfBut PersNABut NumberNABut "},
        {{"ImperBut", "DualBut", "PassBut", "FutPerfBut"},
         "ActiveBut PassBut PresBut FutPerfBut IndicBut ImperBut InfBut PersNABut DualBut "
         "NumberNABut "},
        {{"-InfBut", "-PresBut", "SecondPluperfBut", "MidBut"},
         "ActiveBut MidBut SecondPlupBut IndicBut "},
    };
    startProgram();
    for (const Case& c : cases) {
        click(main, "VerbDefaultButton");
        checkItems("VerbListBox", {});
        for (const char* box : c.boxes)
            checkBox(box[0] == '-' ? box + 1 : box, box[0] != '-');
        begin(1, "5");
        std::string enabled;
        for (QRadioButton* option : drill->findChildren<QRadioButton*>()) {
            const std::string name = option->objectName().toStdString();
            const bool neverDisabled = name == "FirstPersBut" || name == "SecondPersBut" ||
                                       name == "ThirdPersBut" || name == "SingBut" ||
                                       name == "PlBut";
            EXPECT_TRUE(!neverDisabled || option->isEnabled()) << name;
            if (!neverDisabled && option->isEnabled())
                enabled += name + " ";
        }
        EXPECT_EQ(enabled, c.enabled);
    }
}

TEST_F(DrillTest, AMissingOrDamagedDrillFileEndsTheProgram) {
    struct Case {
        const char* file;
        const char* bytes; // null: the file is missing
        int tab;
        const char* message;
    };
    const Case cases[] = {
        {"Nouns.lxd", nullptr, 2,
         "There is no file named Nouns.lxd in the Data folder. Please reinstall Lexivo."},
        {"VerbIndex.lxd", nullptr, 1, "Could not load file VerbIndex.lxd. Please reinstall."},
        {"NounIndex.lxd", nullptr, 2, "Could not load file NounIndex.lxd. Please reinstall."},
        {"NounIndex.lxd", "1\r\n", 2, "File error loading noun index file.."},
        {"VerbIndex.lxd", "99999\r\n01111111\r\n", 1, "File error loading verbs."},
        {"Nouns.lxd", "", 2, "File error loading nouns."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        if (c.bytes)
            write(std::string("Data/") + c.file, c.bytes);
        else
            std::filesystem::remove(path(std::string("Data/") + c.file));
        startProgram();
        EXPECT_EXIT(begin(c.tab, "5"), testing::ExitedWithCode(0), testing::HasSubstr(c.message));
        TearDown();
        SetUp();
    }
}

} // namespace
