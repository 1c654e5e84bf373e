#include "app/NewUser.h"
#include "app/Pictures.h"
#include "platform/Folders.h"
#include "support/LaidOut.h"
#include "support/ProgramTest.h"

#include <QLabel>
#include <QLineEdit>

namespace {

const Message CouldNotSetUp{"I could not set up a new user-folder.", MsgIcon::Stop};

class UserWinTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        UsersFolder = path("Users");
        MakeFolder(UsersFolder);
    }

    // Loads the window as the program does and shows it without waiting for it.
    void load(std::initializer_list<const char*> users = {}) {
        for (const char* name : users)
            MakeFolder(UsersFolder + "/" + name);
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

    // Chooses "New User" and runs steps in the new-user window while it is shown.
    void openNewUser(std::function<void(QWidget*)> steps) {
        clickUserEntry(win.get(), "New User");
        whenModal(QStringLiteral("NewUser"), steps);
        QTest::mouseClick(startButton(), Qt::LeftButton);
    }

    std::unique_ptr<PickUserWin> win;
};

QLineEdit* nameField(QWidget* newUser) {
    return child<QLineEdit>(newUser, "NameField");
}

void typeName(QWidget* newUser, const QString& text) {
    nameField(newUser)->selectAll();
    QTest::keyClicks(nameField(newUser), text);
}

TEST_F(UserWinTest, ProfilesComeInFileSystemOrderAndNeedAChoiceThatStillStands) {
    load();
    ASSERT_EQ(entries(), std::vector<std::string>{"New User"});
    EXPECT_TRUE(userList()->item(0)->isSelected());
    EXPECT_TRUE(startButton()->isEnabled());

    write("Users/notes.txt", "a file is no profile");
    load({"Zoe", "anna", "Bob Smith", " Cleo "});
    picture(win.get(), "users");
    EXPECT_EQ(win->size(), QSize(350, 260));
    expectLaidOut(win.get());
    EXPECT_EQ(labelledBy(child<QLabel>(win.get(), "Label3")), "UserList");
    // The heading large, bold and blue, the list's heading bold, the help text small.
    auto looks = [this](const char* name) {
        const QLabel* label = child<QLabel>(win.get(), name);
        const QFont font = label->font();
        return name + std::string(font.bold() ? " bold" : "") +
               (font.pixelSize() > 0 ? " " + std::to_string(font.pixelSize()) + "px" : "") +
               (label->wordWrap() ? " wrapped" : "") + " " +
               label->palette().color(QPalette::WindowText).name().toStdString();
    };
    // The letter behind the help text is faint, so that the text stands out.
    const QImage face = UserChoicePicture().toImage();
    int darkest = 255;
    for (int y = 60; y < 250; ++y)
        for (int x = 14; x < 184; ++x)
            darkest = std::min(darkest, qGray(face.pixel(x, y)));
    EXPECT_GT(darkest, 180);
    // The window's face is that picture, seen wherever no control covers it: above the controls.
    const QImage shown = win->grab().toImage();
    int differ = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < face.width(); ++x)
            differ += shown.pixel(x, y) != face.pixel(x, y);
    EXPECT_EQ(differ, 0);
    EXPECT_EQ(child<QLabel>(win.get(), "Label1")->font().family(), "DejaVu Serif");
    EXPECT_EQ(looks("Label1") + "|" + looks("Label3") + "|" + looks("Label2"),
              "Label1 bold 20px #233a66|Label3 bold #000000|Label2 11px wrapped #000000");
    std::vector<std::string> expected = SubFolderNames(UsersFolder);
    expected.push_back("New User");
    EXPECT_EQ(entries(), expected);
    EXPECT_FALSE(startButton()->isEnabled());
    QTest::keyClick(win.get(), Qt::Key_Return); // Start is the default button, but disabled
    EXPECT_TRUE(win->isVisible());

    // A profile that vanished is not chosen.
    std::filesystem::remove(UsersFolder + "/Zoe");
    clickUserEntry(win.get(), "Zoe");
    QTest::mouseClick(startButton(), Qt::LeftButton);
    EXPECT_TRUE(win->isVisible());
    EXPECT_EQ(UserFolder, "");
    EXPECT_EQ(messages, std::vector<Message>{CouldNotSetUp});

    clickUserEntry(win.get(), " Cleo ");
    EXPECT_TRUE(startButton()->isEnabled());
    QTest::keyClick(userList(), Qt::Key_Return);
    EXPECT_FALSE(win->isVisible());
    EXPECT_EQ(UserFolder, UsersFolder + "/ Cleo ");
}

TEST_F(UserWinTest, NameInUseResetsTheFieldAndKeepsTheWindowOpen) {
    load({"Anna"});
    // Cancel leaves the list as it was, "New User" still chosen.
    openNewUser([](QWidget* newUser) { click(newUser, "CancelButton"); });
    EXPECT_TRUE(win->isVisible());
    ASSERT_EQ(userList()->selectedItems().size(), 1);
    EXPECT_EQ(userList()->selectedItems().first()->text(), "New User");
    EXPECT_TRUE(startButton()->isEnabled());

    openNewUser([this](QWidget* newUser) {
        typeName(newUser, "Anna");
        click(newUser, "OkayButton");
        EXPECT_TRUE(newUser->isVisible());
        EXPECT_EQ(nameField(newUser)->selectedText(), "Type Name Here");
        EXPECT_FALSE(child<QPushButton>(newUser, "OkayButton")->isEnabled());
        EXPECT_EQ(messages, (std::vector<Message>{
                                {"That name is in use; please choose another.", MsgIcon::Stop}}));

        // Letter case makes another name; so does a blank around it.
        typeName(newUser, "anna ");
        click(newUser, "OkayButton");
    });
    EXPECT_EQ(UserFolder, UsersFolder + "/anna ");
    EXPECT_TRUE(FolderExists(UsersFolder + "/Anna"));
    // The window is kept for the next log-on, and lists the new profile.
    EXPECT_FALSE(win->isVisible());
    std::vector<std::string> expected = SubFolderNames(UsersFolder);
    expected.push_back("New User");
    EXPECT_EQ(entries(), expected);
    EXPECT_EQ(expected.size(), 3u);
}

TEST_F(UserWinTest, NamesThatAreNotOneFolderAreRefused) {
    load();
    for (const QString& name :
         {QStringLiteral("../Evil"), QStringLiteral(".."), QStringLiteral("."),
          QStringLiteral("a/b"), QStringLiteral("/"), QStringLiteral("nul") + QChar(0),
          QString(256, QChar('x')), QString(128, QChar(0x03bb))}) { // too long: 256 bytes
        SCOPED_TRACE(name.toStdString());
        messages.clear();
        openNewUser([&](QWidget* newUser) {
            nameField(newUser)->setText(name);
            click(newUser, "OkayButton");
            EXPECT_TRUE(newUser->isVisible());
            EXPECT_EQ(nameField(newUser)->text(), name);
            click(newUser, "CancelButton");
        });
        EXPECT_EQ(messages, std::vector<Message>{CouldNotSetUp});
        EXPECT_EQ(UserFolder, "");
        EXPECT_TRUE(win->isVisible());
    }
    EXPECT_TRUE(SubFolderNames(UsersFolder).empty());
    EXPECT_EQ(SubFolderNames(root), std::vector<std::string>{"Users"});

    const QString longest(255, QChar('y'));
    openNewUser([&](QWidget* newUser) {
        nameField(newUser)->setText(longest);
        click(newUser, "OkayButton");
    });
    EXPECT_EQ(SubFolderNames(UsersFolder), std::vector<std::string>{longest.toStdString()});
}

// The new-user window keeps its text until it is closed by its close box; Okay then creates the
// profile and logs on.
TEST_F(UserWinTest, NewUserKeepsItsTextUntilClosedAndCreatesTheProfile) {
    load();
    openNewUser([this](QWidget* newUser) {
        EXPECT_EQ(nameField(newUser)->selectedText(), "Type Name Here");
        expectLaidOut(newUser);
        EXPECT_EQ(labelledBy(child<QLabel>(newUser, "Label1")), "NameField");
        auto* okay = child<QPushButton>(newUser, "OkayButton");
        EXPECT_FALSE(okay->isEnabled());
        // Okay follows the name: an empty field, the placeholder deleted or a name typed and
        // deleted again, disables it, and Return then makes nothing and says nothing.
        QTest::keyClick(nameField(newUser), Qt::Key_Backspace);
        EXPECT_EQ(nameField(newUser)->text(), "");
        EXPECT_FALSE(okay->isEnabled());
        QTest::keyClicks(nameField(newUser), "Zed");
        EXPECT_TRUE(okay->isEnabled());
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(nameField(newUser), Qt::Key_Backspace);
        EXPECT_EQ(nameField(newUser)->text(), "");
        EXPECT_FALSE(okay->isEnabled());
        QTest::keyClick(nameField(newUser), Qt::Key_Return);
        EXPECT_TRUE(newUser->isVisible());
        EXPECT_TRUE(SubFolderNames(UsersFolder).empty());
        EXPECT_TRUE(messages.empty());

        typeName(newUser, "Zed");
        QTest::keyClick(nameField(newUser), Qt::Key_Escape); // no cancel key
        EXPECT_TRUE(newUser->isVisible());
        click(newUser, "CancelButton");
    });
    EXPECT_TRUE(win->isVisible());

    openNewUser([this](QWidget* newUser) {
        EXPECT_EQ(nameField(newUser)->text(), "Zed");
        EXPECT_TRUE(child<QPushButton>(newUser, "OkayButton")->isEnabled());
        MakeFolder(UsersFolder + "/Yan"); // made meanwhile by another copy of the program
        newUser->close(); // the close box
    });
    EXPECT_TRUE(win->isVisible());
    EXPECT_EQ(UserFolder, "");
    EXPECT_EQ(entries(), (std::vector<std::string>{"Yan", "New User"})); // refilled
    std::filesystem::remove(UsersFolder + "/Yan");

    openNewUser([](QWidget* newUser) {
        EXPECT_EQ(nameField(newUser)->selectedText(), "Type Name Here");
        // Typed key by key, letters beyond ASCII too; the first replaces the selected text.
        for (QChar c : QStringLiteral("Kallisti Καλλίστη"))
            QTest::sendKeyEvent(QTest::Click, nameField(newUser), Qt::Key_unknown, QString(c),
                                Qt::NoModifier);
        QTest::keyClick(nameField(newUser), Qt::Key_Return); // Okay is the default button
    });
    EXPECT_FALSE(win->isVisible());
    EXPECT_EQ(UserFolder, UsersFolder + "/Kallisti Καλλίστη");
    EXPECT_EQ(SubFolderNames(UsersFolder), std::vector<std::string>{"Kallisti Καλλίστη"});
    EXPECT_TRUE(FileNames(UserFolder).empty());
    EXPECT_TRUE(messages.empty());
}

// After an abandoned log-on the close box keeps the user; without one, it ends the program as
// Quit does, and so does a folder that cannot be made.
TEST_F(UserWinTest, TheCloseBoxQuitAndAFolderThatCannotBeMade) {
    UserFolder = UsersFolder + "/Anna";
    load({"Anna", "Bob"});
    QTest::keyClick(win.get(), Qt::Key_Escape); // no cancel key
    EXPECT_TRUE(win->isVisible());
    win->close();
    EXPECT_FALSE(win->isVisible());
    EXPECT_EQ(UserFolder, UsersFolder + "/Anna");

    UserFolder = "";
    win->show();
    EXPECT_EXIT(win->close(), testing::ExitedWithCode(0), "");
    EXPECT_EXIT(click(win.get(), "QuitButton"), testing::ExitedWithCode(0), "");

    write("Users/Cleo", "a file, not a profile");
    EXPECT_EXIT(openNewUser([](QWidget* newUser) {
                    typeName(newUser, "Cleo");
                    click(newUser, "OkayButton");
                }),
                testing::ExitedWithCode(0),
                testing::HasSubstr(messageLine(CouldNotSetUp.text, CouldNotSetUp.icon)));
}

} // namespace
