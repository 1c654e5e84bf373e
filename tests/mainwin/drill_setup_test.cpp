// Beginning a verb or noun drill from the main window: what is said when the choices cannot
// make one, and the data files whose loss ends the program.
#include "platform/Folders.h"
#include "support/DrillFixture.h"
#include "support/ProgressLog.h"

#include <QAction>
#include <algorithm>

namespace {

// Choices that make no drill are told and nothing is saved; the verb window offers the buttons
// of the choices made alone. Choices that make one are saved, the general ones with them.
TEST_F(DrillTest, ChoicesThatMakeNoDrillAreToldAndTheOthersSaved) {
    const char* const noTense = "You need to choose at least one tense, one mood, and one voice. ";
    const char* const noVerb = "You need to choose at least one verb from the list (select verbs "
                               "by clicking the check-boxes).";
    const char* const noWord = "You need to choose at least one noun, pronoun, or adjective from "
                               "the list (select words by clicking the check-boxes).";
    const char* const noForms =
        "This particular combination of choices did not result in any valid forms.";
    const char* const more = "ActiveBut PassBut PresBut FutPerfBut IndicBut ImperBut InfBut "
                             "PersNABut DualBut NumberNABut ";
    const char* const fewer = "ActiveBut MidBut SecondPlupBut IndicBut ";
    struct Case {
        const char* name;
        int tab;
        std::vector<int> rows;               // the words checked
        std::vector<const char*> boxes;      // ticked, or unticked after a '-'
        const char* message;                 // null: the drill starts
        const char* enabled = nullptr;       // the verb window's buttons but for person and number
        std::vector<std::string> saved = {}; // the user's files, by name
    };
    const Case cases[] = {
        {"no tense", 1, {0}, {"-PresBut"}, noTense},
        {"no tense and no verb", 1, {}, {"-ActBut"}, noTense},
        {"no verb", 1, {}, {}, noVerb, "ActiveBut PresBut IndicBut InfBut PersNABut NumberNABut "},
        {"more", 1, {}, {"ImperBut", "DualBut", "PassBut", "FutPerfBut"}, noVerb, more},
        {"fewer", 1, {}, {"-InfBut", "-PresBut", "SecondPluperfBut", "MidBut"}, noVerb, fewer},
        {"a tense the verb lacks", 1, {0}, {"-PresBut", "-InfBut", "FutPerfBut"}, noForms},
        {"a verb drill", 1, {0}, {}, nullptr, nullptr, {"Prefs.lxp", "VerbPrefs.lxp"}},
        {"a noun drill", 2, {0}, {}, nullptr, nullptr, {"NounPrefs.lxp", "Prefs.lxp"}},
        {"no word", 2, {}, {}, noWord},
        {"a word without forms", 2, {2}, {}, noForms},
    };
    startProgram();
    SetRandomScript(draws({{0.99, 0.0}})); // the drills begun draw a parse item of the first form
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        messages.clear();
        for (const char* file : {"Prefs.lxp", "VerbPrefs.lxp", "NounPrefs.lxp"})
            std::filesystem::remove(path(std::string("Users/Maria/") + file));
        click(main, "VerbDefaultButton");
        checkItems(c.tab == 1 ? "VerbListBox" : "NounListBox", c.rows);
        for (const char* box : c.boxes)
            checkBox(box[0] == '-' ? box + 1 : box, box[0] != '-');
        begin(c.tab, "5");
        ASSERT_NE(drill, nullptr);
        EXPECT_EQ(drill->isVisible(), !c.message);
        EXPECT_EQ(main->isVisible(), bool(c.message));
        EXPECT_FALSE(ProgressWindowLoaded());
        std::vector<std::string> saved = FileNames(path("Users/Maria"));
        std::ranges::sort(saved);
        EXPECT_EQ(saved, c.saved);
        if (!c.message) {
            EXPECT_TRUE(messages.empty());
            click(drill, "EndQuizButton");
            settle();
            continue;
        }
        EXPECT_EQ(messages, (std::vector<Message>{{c.message, MsgIcon::Exclamation}}));
        if (!c.enabled)
            continue;
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

    // The menu begins the drill as the button does.
    messages.clear();
    child<QAction>(main, "mnuDrillsNoun")->trigger();
    EXPECT_EQ(messages, (std::vector<Message>{{noForms, MsgIcon::Exclamation}}));
}

// The drill's word list names each checked item by its place in the list, in two digits, up to
// the 99th; the saved choices name every checked item the same way.
TEST_F(DrillTest, EachItemGoesToTheDrillAsItsTwoDigitNumberAndItsName) {
    std::string list = "100\r\n";
    for (int i = 1; i <= 100; ++i)
        list += QString::asprintf("%02d x lo/gos%d\r\n", i, i).toStdString();
    write("Data/NounList.lxd", list);
    write("Data/Nouns.lxd", "100\r\n011111,lo/gos\r\n091111,e)nne/a\r\n101111,de/ka\r\n"
                            "121111,dw/deka\r\n991111,e)nenh/konta\r\n");
    startProgram();
    checkItems("NounListBox", {0, 8, 9, 11, 98, 99});
    SetRandomScript(draws({{0.99, 0.0}}));
    beginShown(2, "5");
    QStringList items;
    for (int i = 0; i < child<QListWidget>(drill, "NounListField")->count(); ++i)
        items << listItem(child<QListWidget>(drill, "NounListField"), i)->text();
    auto* words = child<QListWidget>(main, "NounListBox");
    EXPECT_EQ(items,
              QStringList({"01 " + listItem(words, 0)->text(), "09 " + listItem(words, 8)->text(),
                           "10 " + listItem(words, 9)->text(), "12 " + listItem(words, 11)->text(),
                           "99 " + listItem(words, 98)->text()}));
    click(drill, "EndQuizButton");
    settle();
    EXPECT_EQ(read("Users/Maria/NounPrefs.lxp"),
              "\"01,09,10,12,99,100\"\r\n\"false\"\r\n\"false\"\r\n");
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
