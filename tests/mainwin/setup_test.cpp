// The main window's set-up: fonts, vocabulary lists, greeting, tabs and the default button.
#include "MainWinFixture.h"

#include <QSignalSpy>
#include <QTabBar>

namespace {

QStringList entries(const QAbstractItemModel* list) {
    QStringList texts;
    for (int row = 0; row < list->rowCount(); ++row)
        texts << list->index(row, 0).data().toString();
    return texts;
}

} // namespace

// The font lists hold the installed fonts, the Greek one Ortholex alone; the vocabulary lists are
// the files whose names end in lower-case .lxv.
TEST_F(MainWinTest, TheListsHoldTheInstalledFontsAndTheVocabularyLists) {
    SetInstalledFontsForTest(std::vector<std::string>{"Zapf", "Ortholex", "Arial"});
    for (const char* name : {"Capitals.LXV", "Notes.lxv.txt", ".lxv"})
        write(std::string("Data/") + name, "0\r\n");
    start();
    EXPECT_EQ(Prefs.EnglishFont, "Zapf"); // without MS Sans Serif, the first font
    EXPECT_TRUE(messages.empty());        // a missing English font is no one's concern
    auto* english = find<QComboBox>("EnglishFont");
    EXPECT_EQ(entries(english->model()), QStringList({"Zapf", "Ortholex", "Arial"}));
    EXPECT_EQ(entries(find<QComboBox>("GreekFont")->model()), QStringList({"Ortholex"}));
    english->setCurrentIndex(2);
    EXPECT_EQ(Prefs.EnglishFont, "Arial");
    QStringList lists = entries(find<QListWidget>("FileField")->model());
    lists.sort();
    EXPECT_EQ(lists, QStringList({".lxv", "Athenaze.lxv", "Other.lxv"}));
}

TEST_F(MainWinTest, WithoutOrtholexOrAVocabularyListTheProgramEnds) {
    for (const char* fonts : {"", "ortholex", "Ortholex3"}) {
        SCOPED_TRACE(fonts);
        SetInstalledFontsForTest(std::vector<std::string>{"Arial", fonts});
        expectStartEndsSaying("You must install the Ortholex font before using Lexivo.");
    }
    SetInstalledFontsForTest(std::vector<std::string>{"Ortholex"});
    std::filesystem::remove(path("Data/Athenaze.lxv"));
    std::filesystem::remove(path("Data/Other.lxv"));
    write("Data/Athenaze.LXV", "0\r\n");
    expectStartEndsSaying(
        "Could not find any valid vocabulary files in the Data folder. Please reinstall at leas "
        "one .lxv file.");
}

TEST_F(MainWinTest, ATabShowsItsPaneAloneAndEnterPressesItsBeginButton) {
    start();
    // Begin Drill then finds no verb or word chosen: it says so and the main window stays.
    find<QPushButton>("BevelButton2")->click();
    find<QPushButton>("BevelButton3")->click();
    const char* panes[] = {"VocabBeginButton", "VerbBeginButton", "NounBeginButton"};
    QSignalSpy vocab(find<QPushButton>(panes[0]), &QPushButton::clicked);
    QSignalSpy verbs(find<QPushButton>(panes[1]), &QPushButton::clicked);
    QSignalSpy nouns(find<QPushButton>(panes[2]), &QPushButton::clicked);
    std::string presses;
    for (int tab : {0, 1, 2, 0, 2, 1}) {
        find<QTabBar>("MainTab")->setCurrentIndex(tab);
        picture(window, ("main" + std::to_string(tab)).c_str());
        QTest::keyClick(find<QLineEdit>("HowManyField"), tab == 1 ? Qt::Key_Enter : Qt::Key_Return,
                        tab == 1 ? Qt::KeypadModifier : Qt::NoModifier);
        for (int pane = 0; pane < 3; ++pane)
            EXPECT_EQ(find<QPushButton>(panes[pane])->isVisible(), pane == tab) << tab << pane;
        presses += std::to_string(vocab.count()) + std::to_string(verbs.count()) +
                   std::to_string(nouns.count()) + " ";
    }
    EXPECT_EQ(presses, "100 110 111 211 212 222 ");

    // Enter on another button presses that one.
    auto* defaults = find<QPushButton>("VerbDefaultButton");
    QSignalSpy pressed(defaults, &QPushButton::clicked);
    defaults->setFocus();
    QTest::keyClick(defaults, Qt::Key_Return);
    EXPECT_EQ(pressed.count(), 1);
    EXPECT_EQ(verbs.count(), 2);
}
