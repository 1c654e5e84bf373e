// The user's preferences in the main window: shown twice at start, saved by Quit only, and
// dropped by a change of user.
#include "MainWinFixture.h"
#include "widgets/SpinArrows.h"

#include <QCloseEvent>
#include <QTabBar>
#include <QWindow>

namespace {

const std::string PrefsLxp = "Users/Maria/Prefs.lxp";

std::string prefsFile(const std::string& howMany, const std::string& list,
                      const std::string& greekFont) {
    return howMany + "\r\n\"" + list + "\"\r\n15\r\n2\r\n4\r\n3\r\n\"" + greekFont +
           "\"\r\n\"Arial\"\r\n25\r\n1\r\n";
}
const std::string Saved = prefsFile("70", "Other.lxv", "Ortholex");

const Message missingList{"The vocabulary file specified in your preferences is missing. Please "
                          "choose another, or reinstall that file. ",
                          MsgIcon::Information};
const Message missingGreekFont{"The Greek font specified in your preferences is missing. Please "
                               "choose another, or reinstall  the font.",
                               MsgIcon::Exclamation};

} // namespace

// Another user is then greeted with their own settings, and the gone preferences are not told
// again.
TEST_F(MainWinTest, APreferenceThatIsGoneIsReportedTwiceAtStartButNotToTheNextUser) {
    std::filesystem::create_directories(path("Users/Nikos"));
    write(PrefsLxp, prefsFile("70", "Gone.lxv", "Porson"));
    start();
    EXPECT_EQ(messages,
              std::vector<Message>({missingList, missingGreekFont, missingList, missingGreekFont}));
    EXPECT_EQ(find<QListWidget>("FileField")->currentRow(), 0);
    EXPECT_EQ(Prefs.VocabFileName, item("FileField", 0).toStdString());
    EXPECT_EQ(Prefs.GreekFont, "Ortholex");
    EXPECT_EQ(read(PrefsLxp), prefsFile("70", "Gone.lxv", "Porson")); // until saved

    messages.clear();
    chooseUserWhenAsked("Nikos");
    click(window, "Command3");
    EXPECT_EQ(find<QLabel>("WelcomeText")->text(), "Welcome Nikos!");
    EXPECT_EQ(UserFolder, UsersFolder + "/Nikos");
    EXPECT_EQ(Prefs.Iterations, 50);
    EXPECT_TRUE(messages.empty());
}

TEST_F(MainWinTest, OutOfRangeValuesDoNotFail) {
    // Hand-edited values: a drill size beyond the spinner, sliders beyond their ends, the first
    // chapter after the last.
    write(PrefsLxp, "500\r\n\"Athenaze.lxv\"\r\n150\r\n40\r\n30\r\n0\r\n"
                    "\"Ortholex\"\r\n\"Arial\"\r\n-5\r\n7\r\n");
    start();
    EXPECT_TRUE(messages.empty());
    // The sliders' ends become the preferences; the drill size stays as read; the last chapter
    // is shown first, so the first one pulls it up.
    EXPECT_EQ(asFile(Prefs), "500\r\n\"Athenaze.lxv\"\r\n100\r\n40\r\n40\r\n1\r\n"
                             "\"Ortholex\"\r\n\"Arial\"\r\n0\r\n7\r\n");
    EXPECT_EQ(text("HowManyField"), "500");
    auto* howMany = find<SpinArrows>("VScroll1");
    EXPECT_EQ(howMany->shownValue(), 200);
    QTest::mouseClick(howMany->findChildren<QWidget*>().last(), Qt::LeftButton); // down
    EXPECT_EQ(text("HowManyField"), " 190");
}

TEST_F(MainWinTest, QuitSavesThePreferencesButFileQuitAndTheCloseBoxDoNot) {
    write(PrefsLxp, Saved);
    shareFolderWithDeathTest();
    const std::function<void()> ways[] = {
        [this] {
            window->activateWindow();
            if (QTest::qWaitForWindowActive(window))
                QTest::keyClick(window, Qt::Key_Q, Qt::ControlModifier); // File > Quit
        },
        [this] {
            QCloseEvent close; // the close box: the window system asks the window to close
            QApplication::sendEvent(window->windowHandle(), &close);
        },
        [this] { click(window, "Command1"); }, // Quit
    };
    for (const auto& quit : ways) {
        EXPECT_EXIT(
            {
                start();
                retype("HowManyField", "80");
                quit();
            },
            testing::ExitedWithCode(0), "");
        EXPECT_EQ(read(PrefsLxp),
                  prefsFile(&quit == &ways[2] ? "80" : "70", "Other.lxv", "Ortholex"));
    }
}

TEST_F(MainWinTest, SavedPreferencesAreShownAndSwitchingToTheSameUserDropsChanges) {
    write(PrefsLxp, Saved);
    start();
    for (int run = 0; run < 2; ++run) {
        // The window's own set-up moved the spinner from 50, which wrote " 70"; the second
        // application of the file finds the spinner there already.
        EXPECT_EQ(text("HowManyField") + "|" + text("StartField") + "|" + text("EndField"),
                  "70| 2| 4");
        EXPECT_EQ(item("FileField"), "Other.lxv");
        EXPECT_EQ(find<QComboBox>("EnglishFont")->currentText(), "Arial");
        EXPECT_EQ(asFile(Prefs), Saved);
        EXPECT_TRUE(messages.empty());
        EXPECT_EQ(find<QTabBar>("MainTab")->currentIndex(), 0);
        EXPECT_TRUE(find<QPushButton>("VocabBeginButton")->isVisible());

        retype("HowManyField", "90");
        retype("EndField", "8");
        find<QTabBar>("MainTab")->setCurrentIndex(2);
        chooseUserWhenAsked("Maria");
        click(window, "Command3");
    }
    EXPECT_EQ(window->findChildren<QLineEdit*>(QStringLiteral("HowManyField")).size(), 1);
    EXPECT_EQ(read(PrefsLxp), Saved);
    // Closing from code, unlike the close box, does not end the program.
    EXPECT_TRUE(window->close());
}

// A saved value that the control already holds runs no handler: the label keeps its own text.
TEST_F(MainWinTest, SavedValuesEqualToTheControlsOwnLeaveTheirLabelsAsDesigned) {
    write(PrefsLxp, "50\r\n\"Athenaze.lxv\"\r\n0\r\n1\r\n3\r\n5\r\n\"Ortholex\"\r\n\"Arial\"\r\n"
                    "25\r\n1\r\n");
    start();
    for (int run = 0; run < 2; ++run) {
        EXPECT_EQ(text("HowManyField") + "|" + find<QLabel>("ActiveText")->text() + "|" +
                      find<QLabel>("ReinforceText")->text() + "|" +
                      find<QLabel>("ReviewText")->text(),
                  "50|0% Active Knowledge|5 Correct Answers|25% Review");
        EXPECT_TRUE(messages.empty());
        chooseUserWhenAsked("Maria");
        click(window, "Command3");
    }
}
