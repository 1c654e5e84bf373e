#include "AppFixture.h"
#include "app/Main.h"
#include "platform/Folders.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {

const std::string NoData = "I could not find a folder named Data in the same folder as the Lexivo "
                           "application. Please reinstall Lexivo.";
const std::string UsersCreated = "There was no folder named Users in the same folder as the "
                                 "Lexivo application, so I created one. ";

void chooseWhenAsked(const QString& name) {
    whenModal(QStringLiteral("PickUserWin"),
              [name](QWidget* win) { clickUserEntry(win, name, DoubleClick); });
}

} // namespace

TEST_F(AppTest, WithoutDataOnlyTheDataMessageAppearsAndTheProgramEnds) {
    EXPECT_EXIT(Main(), testing::ExitedWithCode(0),
                AllOf(HasSubstr(messageLine(NoData, MsgIcon::Stop)), Not(HasSubstr("Users"))));
    EXPECT_FALSE(FolderExists(dir.path("Users")));

    makeFolders(false, true);
    EXPECT_EXIT(Main(), testing::ExitedWithCode(0), HasSubstr(messageLine(NoData, MsgIcon::Stop)));
}

TEST_F(AppTest, FirstStartCreatesUsersAndTheFirstProfile) {
    makeDataForMainWindow();
    whenModal(QStringLiteral("PickUserWin"), [](QWidget* win) {
        whenModal(QStringLiteral("NewUser"), [](QWidget* newUser) {
            QTest::keyClicks(child<QLineEdit>(newUser, "NameField"), "Anna");
            click(newUser, "OkayButton");
        });
        click(win, "Start"); // the only entry, New User, is already selected
    });
    EXPECT_TRUE(Main()); // the main window is left open
    EXPECT_TRUE(mainWindow()->isVisible());
    EXPECT_EQ(AppFolder, dir.path());
    EXPECT_EQ(UsersFolder, dir.path("Users"));
    EXPECT_EQ(DataFolder, dir.path("Data"));
    EXPECT_EQ(HelpFile, dir.path("Data/HELPER.HLP"));
    EXPECT_EQ(UserFolder, dir.path("Users/Anna"));
    EXPECT_TRUE(FolderExists(UserFolder));
    EXPECT_EQ(messages, (std::vector<Message>{{UsersCreated, MsgIcon::Information}}));

    // The next start finds Users and the profile, and says nothing.
    closeMainWindow();
    UnloadPickUserWin();
    messages.clear();
    UserFolder.clear();
    chooseWhenAsked("Anna");
    EXPECT_TRUE(Main());
    EXPECT_EQ(UserFolder, dir.path("Users/Anna"));
    EXPECT_TRUE(messages.empty());
}

TEST_F(AppTest, NormalStartShowsTheMainWindowForTheChosenUser) {
    makeDataForMainWindow();
    makeFolders(true, true);
    MakeFolder(dir.path("Users/Bob Smith"));
    MakeFolder(dir.path("Users/Anna"));
    Prefs.Iterations = 12;
    chooseWhenAsked("Bob Smith");
    EXPECT_TRUE(Main());
    EXPECT_EQ(UserFolder, dir.path("Users/Bob Smith"));
    EXPECT_EQ(mainWindow()->findChild<QLabel*>(QStringLiteral("WelcomeText"))->text(),
              "Welcome Bob Smith!");
    EXPECT_EQ(Prefs.Iterations, 50); // emptied at start, then the new user's defaults
    EXPECT_EQ(Prefs.VocabFileName, "Athenaze.lxv");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(AppTest, UsersThatCannotBeMadeEndsTheProgram) {
    std::filesystem::create_directory(dir.path("Data"));
    dir.write("Users", "a file where the folder belongs");
    EXPECT_EXIT(Main(), testing::ExitedWithCode(0),
                AllOf(HasSubstr("[Stop] There was no folder named Users"),
                      Not(HasSubstr("so I created one"))));
}
