#include "AppFixture.h"
#include "app/NewUser.h"
#include "platform/Folders.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <algorithm>

using ::testing::HasSubstr;

namespace {

const std::string CouldNotSetUp = "I could not set up a new user-folder.";

class UserWinTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        makeFolders(true, true);
    }

    void addUsers(std::initializer_list<const char*> names) {
        for (const char* name : names)
            MakeFolder(UsersFolder + "/" + name);
    }

    // Loads the window as the program does and shows it without waiting for it.
    void load() {
        win = std::make_unique<PickUserWin>();
        win->show();
        QApplication::processEvents();
    }

    QListWidget* userList() { return child<QListWidget>(win.get(), "UserList"); }
    QPushButton* startButton() { return child<QPushButton>(win.get(), "Start"); }

    std::vector<std::string> entries() {
        std::vector<std::string> texts;
        for (int i = 0; i < userList()->count(); ++i)
            texts.push_back(userList()->item(i)->text().toStdString());
        return texts;
    }

    void clickEntry(const QString& text) { clickUserEntry(win.get(), text); }

    // Chooses "New User" and runs steps in the new-user window while it is shown.
    void openNewUser(std::function<void(QWidget*)> steps) {
        clickEntry("New User");
        whenModal(QStringLiteral("NewUser"), steps);
        QTest::mouseClick(startButton(), Qt::LeftButton);
    }

    std::unique_ptr<PickUserWin> win;
};

void typeName(QWidget* newUser, const QString& text) {
    auto* field = child<QLineEdit>(newUser, "NameField");
    field->selectAll();
    QTest::keyClicks(field, text);
}

} // namespace

TEST_F(UserWinTest, EmptyUsersListsOnlyNewUserAlreadySelected) {
    load();
    EXPECT_EQ(win->windowTitle(), "Choose User");
    EXPECT_EQ(win->size(), QSize(350, 260));
    EXPECT_EQ(entries(), std::vector<std::string>{"New User"});
    EXPECT_TRUE(userList()->item(0)->isSelected());
    EXPECT_TRUE(startButton()->isEnabled());
}

TEST_F(UserWinTest, ProfilesComeInFileSystemOrderAndNeedAClick) {
    addUsers({"Zoe", "anna", "Bob Smith", " Cleo "});
    dir.write("Users/notes.txt", "a file is no profile");
    load();
    std::vector<std::string> expected = SubFolderNames(UsersFolder);
    expected.push_back("New User");
    EXPECT_EQ(entries(), expected);
    EXPECT_TRUE(userList()->selectedItems().isEmpty());
    EXPECT_FALSE(startButton()->isEnabled());

    QTest::keyClick(win.get(), Qt::Key_Return); // Start is the default button, but disabled
    EXPECT_TRUE(win->isVisible());

    clickEntry(" Cleo ");
    EXPECT_TRUE(startButton()->isEnabled());
    QTest::keyClick(userList(), Qt::Key_Return);
    EXPECT_FALSE(win->isVisible());
    EXPECT_EQ(UserFolder, UsersFolder + "/ Cleo ");
    EXPECT_TRUE(messages.empty());
}

TEST_F(UserWinTest, AProfileThatVanishedIsNotChosen) {
    addUsers({"Anna"});
    load();
    std::filesystem::remove(UsersFolder + "/Anna");
    clickEntry("Anna");
    QTest::mouseClick(startButton(), Qt::LeftButton);
    EXPECT_TRUE(win->isVisible());
    EXPECT_EQ(UserFolder, "");
    EXPECT_EQ(messages, (std::vector<Message>{{CouldNotSetUp, MsgIcon::Stop}}));
}

TEST_F(UserWinTest, NewUserCreatesTheProfileAndLogsOn) {
    addUsers({"Anna"});
    load();
    openNewUser([](QWidget* newUser) {
        EXPECT_EQ(newUser->windowTitle(), "Create a New User");
        auto* field = child<QLineEdit>(newUser, "NameField");
        auto* okay = child<QPushButton>(newUser, "OkayButton");
        EXPECT_EQ(field->text(), "Type Name Here");
        EXPECT_EQ(field->selectedText(), "Type Name Here");
        EXPECT_FALSE(okay->isEnabled());
        typeText(field, QStringLiteral("Kallisti Καλλίστη")); // replaces the selected placeholder
        EXPECT_TRUE(okay->isEnabled());
        QTest::keyClick(field, Qt::Key_Return); // Okay is the default button
    });
    EXPECT_FALSE(win->isVisible());
    EXPECT_EQ(UserFolder, UsersFolder + "/Kallisti Καλλίστη");
    EXPECT_TRUE(FolderExists(UserFolder));
    EXPECT_TRUE(FileNames(UserFolder).empty());
    EXPECT_TRUE(messages.empty());
}

TEST_F(UserWinTest, NameInUseResetsTheFieldAndKeepsTheWindowOpen) {
    addUsers({"Anna"});
    load();
    openNewUser([this](QWidget* newUser) {
        typeName(newUser, "Anna");
        click(newUser, "OkayButton");
        EXPECT_TRUE(newUser->isVisible());
        auto* field = child<QLineEdit>(newUser, "NameField");
        EXPECT_EQ(field->text(), "Type Name Here");
        EXPECT_EQ(field->selectedText(), "Type Name Here");
        EXPECT_FALSE(child<QPushButton>(newUser, "OkayButton")->isEnabled());
        EXPECT_EQ(messages, (std::vector<Message>{
                                {"That name is in use; please choose another.", MsgIcon::Stop}}));

        // Letter case makes another name; so does a blank around it.
        typeName(newUser, "anna ");
        click(newUser, "OkayButton");
    });
    EXPECT_EQ(UserFolder, UsersFolder + "/anna ");
    EXPECT_TRUE(FolderExists(UsersFolder + "/Anna"));
    EXPECT_TRUE(FolderExists(UsersFolder + "/anna "));
}

TEST_F(UserWinTest, NamesThatAreNotOneFolderAreRefused) {
    load();
    const auto before = SubFolderNames(UsersFolder);
    for (const QString& name :
         {QStringLiteral("../Evil"), QStringLiteral(".."), QStringLiteral("."),
          QStringLiteral("a/b"), QStringLiteral("nul") + QChar(0)}) {
        SCOPED_TRACE(name.toStdString());
        messages.clear();
        openNewUser([&](QWidget* newUser) {
            child<QLineEdit>(newUser, "NameField")->setText(name);
            click(newUser, "OkayButton");
            EXPECT_TRUE(newUser->isVisible());
            EXPECT_EQ(child<QLineEdit>(newUser, "NameField")->text(), name);
            click(newUser, "CancelButton");
        });
        EXPECT_EQ(messages, (std::vector<Message>{{CouldNotSetUp, MsgIcon::Stop}}));
        EXPECT_EQ(UserFolder, "");
        EXPECT_TRUE(win->isVisible());
    }
    EXPECT_EQ(SubFolderNames(UsersFolder), before);
    auto top = SubFolderNames(dir.path());
    std::sort(top.begin(), top.end());
    EXPECT_EQ(top, (std::vector<std::string>{"Data", "Users"}));
}

TEST_F(UserWinTest, NewUserKeepsItsTextUntilClosedByItsCloseBox) {
    load();
    openNewUser([](QWidget* newUser) {
        typeName(newUser, "Zed");
        click(newUser, "CancelButton");
    });
    EXPECT_TRUE(win->isVisible());

    openNewUser([](QWidget* newUser) {
        EXPECT_EQ(child<QLineEdit>(newUser, "NameField")->text(), "Zed");
        EXPECT_TRUE(child<QPushButton>(newUser, "OkayButton")->isEnabled());
        newUser->close(); // the close box
    });
    EXPECT_TRUE(win->isVisible());
    EXPECT_EQ(UserFolder, "");
    EXPECT_EQ(entries(), std::vector<std::string>{"New User"}); // refilled

    openNewUser([](QWidget* newUser) {
        EXPECT_EQ(child<QLineEdit>(newUser, "NameField")->text(), "Type Name Here");
        click(newUser, "CancelButton");
    });
    EXPECT_TRUE(SubFolderNames(UsersFolder).empty());
}

TEST_F(UserWinTest, CloseBoxAfterAnAbandonedLogOnKeepsTheUser) {
    addUsers({"Anna", "Bob"});
    UserFolder = UsersFolder + "/Anna";
    load();
    QTest::keyClick(win.get(), Qt::Key_Escape); // no cancel key
    EXPECT_TRUE(win->isVisible());
    win->close();
    EXPECT_FALSE(win->isVisible());
    EXPECT_EQ(UserFolder, UsersFolder + "/Anna");
}

TEST_F(UserWinTest, QuitAndTheCloseBoxWithoutAUserEndTheProgram) {
    load();
    EXPECT_EXIT(win->close(), testing::ExitedWithCode(0), "");
    EXPECT_EXIT(QTest::mouseClick(child<QPushButton>(win.get(), "QuitButton"), Qt::LeftButton),
                testing::ExitedWithCode(0), "");
}

TEST_F(UserWinTest, AFolderThatCannotBeMadeEndsTheProgram) {
    dir.write("Users/Anna", "a file, not a profile");
    load();
    EXPECT_EXIT(openNewUser([](QWidget* newUser) {
                    typeName(newUser, "Anna");
                    click(newUser, "OkayButton");
                }),
                testing::ExitedWithCode(0), HasSubstr(messageLine(CouldNotSetUp, MsgIcon::Stop)));
}
