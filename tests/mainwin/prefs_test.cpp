// The user's preferences in the main window: shown twice at start, saved by Quit only, and
// dropped by a change of user.
#include "MainWinFixture.h"
#include "mainwin/SpinArrows.h"
#include "platform/Folders.h"

#include <QTabBar>

namespace {

std::string prefsFile(const std::string& howMany, const std::string& list,
                      const std::string& greekFont) {
    return howMany + "\r\n\"" + list + "\"\r\n15\r\n2\r\n4\r\n3\r\n\"" + greekFont +
           "\"\r\n\"Arial\"\r\n25\r\n1\r\n";
}

const Message missingList{"The vocabulary file specified in your preferences is missing. Please "
                          "choose another, or reinstall that file. ",
                          MsgIcon::Information};
const Message missingGreekFont{"The Greek font specified in your preferences is missing. Please "
                               "choose another, or reinstall  the font.",
                               MsgIcon::Exclamation};
const Message unreadable{
    "I could not open your preference file; using default preferences instead.", MsgIcon::Stop};

} // namespace

TEST_F(MainWinTest, SavedPreferencesAreShown) {
    writeUserFile("Prefs.lxp", prefsFile("70", "Other.lxv", "Ortholex"));
    start();
    EXPECT_TRUE(messages.empty());
    // The window's own set-up moved the spinner from 50, which wrote " 70"; the second
    // application of the file finds the spinner there already.
    EXPECT_EQ(text("HowManyField"), "70");
    EXPECT_EQ(find<QListWidget>("FileField")->currentItem()->text(), "Other.lxv");
    EXPECT_EQ(text("StartField"), " 2");
    EXPECT_EQ(text("EndField"), " 4");
    EXPECT_EQ(find<QComboBox>("EnglishFont")->currentText(), "Arial");
    EXPECT_EQ(asFile(Prefs), prefsFile("70", "Other.lxv", "Ortholex"));
}

TEST_F(MainWinTest, APreferenceThatIsGoneIsReportedTwiceAtStart) {
    writeUserFile("Prefs.lxp", prefsFile("50", "Gone.lxv", "Porson"));
    start();
    EXPECT_EQ(messages,
              std::vector<Message>({missingList, missingGreekFont, missingList, missingGreekFont}));
    const std::string first = find<QListWidget>("FileField")->item(0)->text().toStdString();
    EXPECT_EQ(find<QListWidget>("FileField")->currentRow(), 0);
    EXPECT_EQ(Prefs.VocabFileName, first);
    EXPECT_EQ(Prefs.GreekFont, "Ortholex");
    EXPECT_EQ(userFile("Prefs.lxp"), prefsFile("50", "Gone.lxv", "Porson")); // until saved
}

TEST_F(MainWinTest, AnUnreadablePreferenceFileGivesTheDefaultsTwice) {
    writeUserFile("Prefs.lxp", "50\r\n\"Other.lxv\"\r\n15\r\n2\r\n4\r\n3\r\n\"Ortholex\"\r\n"
                               "\"Arial\"\r\n25\r\n");
    start();
    EXPECT_EQ(messages, std::vector<Message>({unreadable, unreadable}));
    EXPECT_EQ(Prefs.VocabFileName, "Athenaze.lxv");
    EXPECT_EQ(text("EndField"), " 3");
}

TEST_F(MainWinTest, OutOfRangeValuesDoNotFail) {
    // Hand-edited values: a drill size beyond the spinner, sliders beyond their ends.
    writeUserFile("Prefs.lxp", "500\r\n\"Athenaze.lxv\"\r\n150\r\n30\r\n40\r\n0\r\n"
                               "\"Ortholex\"\r\n\"Arial\"\r\n-5\r\n7\r\n");
    start();
    EXPECT_TRUE(messages.empty());
    // The sliders' ends become the preferences; the chapters and the drill size stay as read.
    EXPECT_EQ(asFile(Prefs), "500\r\n\"Athenaze.lxv\"\r\n100\r\n30\r\n40\r\n1\r\n"
                             "\"Ortholex\"\r\n\"Arial\"\r\n0\r\n7\r\n");
    EXPECT_EQ(text("HowManyField"), "500");
    auto* howMany = find<SpinArrows>("VScroll1");
    EXPECT_EQ(howMany->shownValue(), 200);
    EXPECT_EQ(find<QLabel>("ActiveText")->text(), " 100% Active Knowledge");

    QTest::mouseClick(howMany->findChildren<QWidget*>().last(), Qt::LeftButton); // down
    EXPECT_EQ(text("HowManyField"), " 190");
}

TEST_F(MainWinTest, QuitSavesThePreferencesAndEnds) {
    shareFolderWithDeathTest();
    EXPECT_EXIT(
        {
            start();
            retype("HowManyField", "80");
            QTest::mouseClick(find<QPushButton>("Command1"), Qt::LeftButton);
        },
        testing::ExitedWithCode(0), "");
    EXPECT_EQ(userFile("Prefs.lxp"), "80\r\n\"Athenaze.lxv\"\r\n15\r\n1\r\n3\r\n3\r\n"
                                     "\"Ortholex\"\r\n\"MS Sans Serif\"\r\n25\r\n1\r\n");
}

TEST_F(MainWinTest, FileQuitAndTheCloseBoxEndWithoutSaving) {
    writeUserFile("Prefs.lxp", prefsFile("70", "Other.lxv", "Ortholex"));
    shareFolderWithDeathTest();
    EXPECT_EXIT(
        {
            start();
            retype("HowManyField", "80");
            window->activateWindow();
            if (QTest::qWaitForWindowActive(window.get()))
                QTest::keyClick(window.get(), Qt::Key_Q, Qt::ControlModifier); // File > Quit
        },
        testing::ExitedWithCode(0), "");
    EXPECT_EXIT(
        {
            start();
            retype("HowManyField", "80");
            closeByCloseBox();
        },
        testing::ExitedWithCode(0), "");
    EXPECT_EQ(userFile("Prefs.lxp"), prefsFile("70", "Other.lxv", "Ortholex"));
}

TEST_F(MainWinTest, ClosingFromCodeDoesNotEndTheProgram) {
    start();
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWinTest, SwitchingToTheSameUserDropsUnsavedChanges) {
    writeUserFile("Prefs.lxp", prefsFile("70", "Other.lxv", "Ortholex"));
    start();
    retype("HowManyField", "90");
    retype("EndField", "8");
    find<QTabBar>("MainTab")->setCurrentIndex(2);

    chooseUserWhenAsked("Maria");
    QTest::mouseClick(find<QPushButton>("Command3"), Qt::LeftButton);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(asFile(Prefs), prefsFile("70", "Other.lxv", "Ortholex"));
    EXPECT_EQ(text("EndField"), " 4");
    EXPECT_EQ(find<QTabBar>("MainTab")->currentIndex(), 0);
    EXPECT_TRUE(find<QPushButton>("VocabBeginButton")->isVisible());
    EXPECT_EQ(window->findChildren<QLineEdit*>(QStringLiteral("HowManyField")).size(), 1);
    EXPECT_EQ(userFile("Prefs.lxp"), prefsFile("70", "Other.lxv", "Ortholex"));
}

TEST_F(MainWinTest, SwitchingToAnotherUserGreetsThemWithTheirSettings) {
    QDir().mkpath(QString::fromStdString(root + "/Users/Nikos"));
    writeUserFile("Prefs.lxp", prefsFile("70", "Gone.lxv", "Ortholex"));
    start();
    messages.clear();
    chooseUserWhenAsked("Nikos");
    QTest::mouseClick(find<QPushButton>("Command3"), Qt::LeftButton);
    EXPECT_EQ(find<QLabel>("WelcomeText")->text(), "Welcome Nikos!");
    EXPECT_EQ(UserFolder, UsersFolder + "/Nikos");
    EXPECT_EQ(Prefs.Iterations, 50);
    EXPECT_TRUE(messages.empty());
}
