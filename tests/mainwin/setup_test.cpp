// The main window's set-up: fonts, vocabulary lists, greeting, tabs and the default button.
#include "MainWinFixture.h"
#include "platform/DefaultButton.h"
#include "platform/Folders.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTabBar>

namespace {

QStringList entries(const QComboBox* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->itemText(i);
    return texts;
}

QStringList entries(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

} // namespace

TEST_F(MainWinTest, ANewUserGetsTheDefaultsWithoutAMessage) {
    start();
    EXPECT_EQ(window->windowTitle(), "Lexivo for Windows");
    EXPECT_EQ(find<QLabel>("WelcomeText")->text(), "Welcome Maria!");
    EXPECT_TRUE(messages.empty());

    EXPECT_EQ(text("HowManyField"), "50");
    EXPECT_EQ(find<QListWidget>("FileField")->currentItem()->text(), "Athenaze.lxv");
    EXPECT_EQ(text("StartField"), " 1");
    EXPECT_EQ(text("EndField"), " 3");
    EXPECT_EQ(find<QLabel>("ActiveText")->text(), " 15% Active Knowledge");
    EXPECT_EQ(find<QLabel>("ReinforceText")->text(), " 3 Correct Answers.");
    EXPECT_EQ(find<QSlider>("ReviewSlide")->value(), 25);
    EXPECT_EQ(find<QComboBox>("GreekFont")->currentText(), "Ortholex");
    EXPECT_EQ(find<QComboBox>("EnglishFont")->currentText(), "MS Sans Serif");
    EXPECT_TRUE(find<QCheckBox>("Accents")->isChecked());

    EXPECT_EQ(Prefs.Iterations, 50);
    EXPECT_EQ(Prefs.VocabFileName, "Athenaze.lxv");
    EXPECT_EQ(Prefs.VocabChaptStart, 1);
    EXPECT_EQ(Prefs.VocabChaptEnd, 3);
    EXPECT_EQ(Prefs.PercentActive, 15);
    EXPECT_EQ(Prefs.Reinforcement, 3);
    EXPECT_EQ(Prefs.Review, 25);
    EXPECT_EQ(Prefs.GreekFont, "Ortholex");
    EXPECT_EQ(Prefs.EnglishFont, "MS Sans Serif");
    EXPECT_EQ(Prefs.AccentsImportant, 1);
    EXPECT_FALSE(FileExists(userPath("Prefs.lxp")));
}

TEST_F(MainWinTest, FontListsHoldTheInstalledFontsAndOrtholexAlone) {
    start();
    EXPECT_EQ(entries(find<QComboBox>("EnglishFont")),
              QStringList({"Arial", "MS Sans Serif", "Ortholex"}));
    EXPECT_EQ(entries(find<QComboBox>("GreekFont")), QStringList({"Ortholex"}));

    find<QComboBox>("EnglishFont")->setCurrentIndex(0);
    EXPECT_EQ(Prefs.EnglishFont, "Arial");
}

TEST_F(MainWinTest, WithoutMsSansSerifTheFirstFontIsTheEnglishFont) {
    SetInstalledFontsForTest(std::vector<std::string>{"Zapf", "Ortholex", "Arial"});
    start();
    EXPECT_EQ(find<QComboBox>("EnglishFont")->currentIndex(), 0);
    EXPECT_EQ(Prefs.EnglishFont, "Zapf");
    EXPECT_TRUE(messages.empty()); // a missing English font is no one's concern
}

TEST_F(MainWinTest, WithoutOrtholexTheProgramEnds) {
    for (const char* fonts : {"", "ortholex", "Ortholex3"}) {
        SCOPED_TRACE(fonts);
        SetInstalledFontsForTest(std::vector<std::string>{"Arial", fonts});
        EXPECT_EXIT(
            {
                printMessages();
                start();
            },
            testing::ExitedWithCode(0), "You must install the Ortholex font before using Lexivo.");
    }
}

TEST_F(MainWinTest, OnlyFilesEndingInLowerCaseLxvAreVocabularyLists) {
    writeData("Capitals.LXV", "0\r\n");
    writeData("Notes.lxv.txt", "0\r\n");
    writeData(".lxv", "0\r\n");
    start();
    QStringList lists = entries(find<QListWidget>("FileField"));
    lists.sort();
    EXPECT_EQ(lists, QStringList({".lxv", "Athenaze.lxv", "Other.lxv"}));
}

TEST_F(MainWinTest, WithoutAVocabularyListTheProgramEnds) {
    std::remove(dataPath("Athenaze.lxv").c_str());
    std::remove(dataPath("Other.lxv").c_str());
    writeData("Athenaze.LXV", "0\r\n");
    EXPECT_EXIT(
        {
            printMessages();
            start();
        },
        testing::ExitedWithCode(0),
        "Could not find any valid vocabulary files in the Data folder. Please reinstall at leas "
        "one .lxv file.");
}

TEST_F(MainWinTest, ATabShowsItsPaneAloneAndMakesItsBeginButtonTheDefault) {
    start();
    const char* panes[] = {"VocabBeginButton", "VerbBeginButton", "NounBeginButton"};
    auto* tabs = find<QTabBar>("MainTab");
    ASSERT_EQ(tabs->count(), 3);
    EXPECT_EQ(tabs->tabText(0), "Vocabulary");
    EXPECT_EQ(tabs->tabText(1), "Verbs");
    EXPECT_EQ(tabs->tabText(2), "Nouns, etc.");
    for (int tab : {0, 1, 2, 0, 2, 1}) {
        tabs->setCurrentIndex(tab);
        for (int pane = 0; pane < 3; ++pane)
            EXPECT_EQ(find<QPushButton>(panes[pane])->isVisible(), pane == tab) << tab << pane;
        EXPECT_EQ(DefaultButton(window.get()), find<QPushButton>(panes[tab]));
    }
}

TEST_F(MainWinTest, EnterPressesTheBeginButtonOfTheShownPane) {
    start();
    QSignalSpy vocab(find<QPushButton>("VocabBeginButton"), &QPushButton::clicked);
    QSignalSpy verbs(find<QPushButton>("VerbBeginButton"), &QPushButton::clicked);
    QTest::keyClick(find<QLineEdit>("HowManyField"), Qt::Key_Return);
    EXPECT_EQ(vocab.count(), 1);

    find<QTabBar>("MainTab")->setCurrentIndex(1);
    QTest::keyClick(find<QLineEdit>("HowManyField"), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(vocab.count(), 1);
    EXPECT_EQ(verbs.count(), 1);

    // Enter on another button presses that one.
    QSignalSpy defaults(find<QPushButton>("VerbDefaultButton"), &QPushButton::clicked);
    find<QPushButton>("VerbDefaultButton")->setFocus();
    QTest::keyClick(find<QPushButton>("VerbDefaultButton"), Qt::Key_Return);
    EXPECT_EQ(defaults.count(), 1);
    EXPECT_EQ(verbs.count(), 1);
}
