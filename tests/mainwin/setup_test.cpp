// The main window's set-up: fonts, vocabulary lists, greeting, tabs and the default button.
#include "MainWinFixture.h"
#include "platform/Folders.h"

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

TEST_F(MainWinTest, ANewUserGetsTheDefaultsWithoutAMessageOrAFile) {
    start();
    EXPECT_EQ(find<QLabel>("WelcomeText")->text(), "Welcome Maria!");
    expectDefaults();
    EXPECT_FALSE(FileExists(userPath("Prefs.lxp")));
}

TEST_F(MainWinTest, FontListsHoldTheInstalledFontsAndOrtholexAlone) {
    start();
    auto* english = find<QComboBox>("EnglishFont");
    EXPECT_EQ(entries(english->model()), QStringList({"Arial", "MS Sans Serif", "Ortholex"}));
    EXPECT_EQ(entries(find<QComboBox>("GreekFont")->model()), QStringList({"Ortholex"}));
    english->setCurrentIndex(0);
    EXPECT_EQ(Prefs.EnglishFont, "Arial");
}

TEST_F(MainWinTest, WithoutMsSansSerifTheFirstFontIsTheEnglishFont) {
    SetInstalledFontsForTest(std::vector<std::string>{"Zapf", "Ortholex", "Arial"});
    start();
    EXPECT_EQ(Prefs.EnglishFont, "Zapf");
    EXPECT_TRUE(messages.empty()); // a missing English font is no one's concern
}

TEST_F(MainWinTest, WithoutOrtholexTheProgramEnds) {
    for (const char* fonts : {"", "ortholex", "Ortholex3"}) {
        SCOPED_TRACE(fonts);
        SetInstalledFontsForTest(std::vector<std::string>{"Arial", fonts});
        expectStartEndsSaying("You must install the Ortholex font before using Lexivo.");
    }
}

TEST_F(MainWinTest, OnlyFilesEndingInLowerCaseLxvAreVocabularyLists) {
    writeData("Capitals.LXV", "0\r\n");
    writeData("Notes.lxv.txt", "0\r\n");
    writeData(".lxv", "0\r\n");
    start();
    QStringList lists = entries(find<QListWidget>("FileField")->model());
    lists.sort();
    EXPECT_EQ(lists, QStringList({".lxv", "Athenaze.lxv", "Other.lxv"}));
}

TEST_F(MainWinTest, WithoutAVocabularyListTheProgramEnds) {
    std::remove(dataPath("Athenaze.lxv").c_str());
    std::remove(dataPath("Other.lxv").c_str());
    writeData("Athenaze.LXV", "0\r\n");
    expectStartEndsSaying(
        "Could not find any valid vocabulary files in the Data folder. Please reinstall at leas "
        "one .lxv file.");
}

TEST_F(MainWinTest, ATabShowsItsPaneAloneAndEnterPressesItsBeginButton) {
    start();
    const char* panes[] = {"VocabBeginButton", "VerbBeginButton", "NounBeginButton"};
    std::vector<std::unique_ptr<QSignalSpy>> begun;
    for (const char* pane : panes)
        begun.push_back(
            std::make_unique<QSignalSpy>(find<QPushButton>(pane), &QPushButton::clicked));
    int presses[3] = {};
    for (int tab : {0, 1, 2, 0, 2, 1}) {
        find<QTabBar>("MainTab")->setCurrentIndex(tab);
        if (tab == 1)
            QTest::keyClick(find<QLineEdit>("HowManyField"), Qt::Key_Enter, Qt::KeypadModifier);
        else
            QTest::keyClick(find<QLineEdit>("HowManyField"), Qt::Key_Return);
        ++presses[tab];
        for (int pane = 0; pane < 3; ++pane) {
            EXPECT_EQ(find<QPushButton>(panes[pane])->isVisible(), pane == tab) << tab << pane;
            EXPECT_EQ(begun[pane]->count(), presses[pane]) << tab << pane;
        }
    }

    // Enter on another button presses that one.
    auto* defaults = find<QPushButton>("VerbDefaultButton");
    QSignalSpy pressed(defaults, &QPushButton::clicked);
    defaults->setFocus();
    QTest::keyClick(defaults, Qt::Key_Return);
    EXPECT_EQ(pressed.count(), 1);
    EXPECT_EQ(begun[1]->count(), presses[1]);
}
