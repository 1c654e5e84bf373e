#include "platform/Folders.h"
#include "support/ProgramTest.h"

#include <QLabel>
#include <QMessageBox>

using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {

const std::string NoData = "I could not find a folder named Data in the same folder as the Lexivo "
                           "application. Please reinstall Lexivo.";
const std::string UsersCreated = "There was no folder named Users in the same folder as the "
                                 "Lexivo application, so I created one. ";

using StartTest = ProgramTest;

// Without Data only its message appears; a Users folder that cannot be made ends the program too.
TEST_F(StartTest, WithoutDataOrUsersTheProgramEnds) {
    EXPECT_EXIT(Main(), testing::ExitedWithCode(0),
                AllOf(HasSubstr(messageLine(NoData, MsgIcon::Stop)), Not(HasSubstr("Users"))));
    EXPECT_FALSE(FolderExists(path("Users")));

    MakeFolder(path("Users"));
    EXPECT_EXIT(Main(), testing::ExitedWithCode(0), HasSubstr(messageLine(NoData, MsgIcon::Stop)));

    std::filesystem::remove(path("Users"));
    makeData();
    write("Users", "a file where the folder belongs");
    EXPECT_EXIT(Main(), testing::ExitedWithCode(0),
                AllOf(HasSubstr("[Stop] There was no folder named Users"),
                      Not(HasSubstr("so I created one"))));
}

// Unrecorded, the first message of all is shown in the program's message box: the start
// routine puts it in place before anything else.
TEST_F(StartTest, TheStartShowsItsMessagesInTheMessageBox) {
    EXPECT_EXIT(
        {
            SetMessageSink(nullptr);
            SetMessageShower(nullptr);
            whenModal(QString(), [](QWidget* window) { // a message box has no name
                auto* box = static_cast<QMessageBox*>(window);
                std::cerr << "box: " << box->windowTitle().toStdString() << "|"
                          << box->text().toStdString() << std::endl;
                box->button(QMessageBox::Ok)->click();
            });
            Main();
        },
        testing::ExitedWithCode(0), HasSubstr("box: Lexivo|" + NoData));
}

TEST_F(StartTest, FirstStartCreatesUsersAndTheFirstProfileThenStartsAreSilent) {
    makeData();
    // The splash window comes first and closes by itself; then the user is chosen.
    SetSplashInterval(50);
    whenModal(QStringLiteral("SplashWin"), [](QWidget*) {});
    newUserWhenAsked(QStringLiteral("Anna"));
    EXPECT_TRUE(Main()); // the main window is left open
    EXPECT_EQ(ModalWindowsAnswered(),
              (std::vector<std::string>{"SplashWin", "PickUserWin", "NewUser"}));
    ASSERT_NE(mainWindow(), nullptr);
    EXPECT_TRUE(mainWindow()->isVisible());
    EXPECT_FALSE(QApplication::quitOnLastWindowClosed()); // only the program's ways end it
    EXPECT_EQ(AppFolder + "|" + UsersFolder + "|" + DataFolder + "|" + HelpFile + "|" + UserFolder,
              root + "|" + path("Users") + "|" + path("Data") + "|" + path("Data/HELPER.HLP") +
                  "|" + path("Users/Anna"));
    EXPECT_TRUE(FolderExists(UserFolder));
    EXPECT_EQ(messages, (std::vector<Message>{{UsersCreated, MsgIcon::Information}}));

    // The next start finds Users and the profiles, and says nothing; the preferences of the
    // last run are emptied before the chosen user's are read.
    delete mainWindow();
    UnloadPickUserWin();
    messages.clear();
    MakeFolder(path("Users/<i>Bob<i> Smith"));
    Prefs.Iterations = 12;
    start(QStringLiteral("<i>Bob<i> Smith"));
    EXPECT_EQ(UserFolder, path("Users/<i>Bob<i> Smith"));
    // The greeting shows the name as it is, markup and all.
    const auto* greeting = child<QLabel>(mainWindow(), "WelcomeText");
    EXPECT_EQ(greeting->text(), "Welcome <i>Bob<i> Smith!");
    // in bold, half as large again as the window's text
    EXPECT_TRUE(greeting->font().bold());
    EXPECT_DOUBLE_EQ(greeting->font().pointSizeF(), mainWindow()->font().pointSizeF() * 1.5);
    EXPECT_GE(greeting->sizeHint().width(),
              greeting->fontMetrics().horizontalAdvance(greeting->text()));
    EXPECT_EQ(Prefs.Iterations, 50);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

} // namespace
