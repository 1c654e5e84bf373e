#pragma once

#include "app/Main.h"
#include "app/MyApp.h"
#include "app/PickUserWin.h"
#include "app/PrefsFile.h"
#include "app/SplashWin.h"
#include "mainwin/WelcomeWin.h"
#include "platform/Fonts.h"
#include "platform/MessageBox.h"
#include "platform/ProgramFolder.h"
#include "support/TempFolder.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

struct Message {
    std::string text;
    MsgIcon icon;
    bool operator==(const Message&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Message& m) {
    return out << '"' << m.text << "\" (" << int(m.icon) << ')';
}

// A program folder of the test's own: Data with two vocabulary lists and small verb and noun
// lists, Users with the user Maria chosen. Installed fonts: a few, Ortholex among them.
//
// A death test runs the test again in a new process; there the folder named by
// LEXIVO_TEST_FOLDER is used instead of a new one, so that the test can look at what the ended
// program left behind.
class MainWinTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (const char* shared = std::getenv("LEXIVO_TEST_FOLDER"))
            root = shared;
        else
            root = folder.path();
        QDir().mkpath(QString::fromStdString(root + "/Data"));
        QDir().mkpath(QString::fromStdString(root + "/Users/Maria"));
        AppFolder = root;
        DataFolder = root + "/Data";
        UsersFolder = root + "/Users";
        HelpFile = DataFolder + "/HELPER.HLP";
        UserFolder = UsersFolder + "/Maria";
        Prefs = LexivoPrefFile{};
        writeData("Athenaze.lxv", "0\r\n");
        writeData("Other.lxv", "0\r\n");
        writeData("Verbs.lxd", "2\r\n01111111,lu/w\r\n01211111,lu/sw\r\n02111111,pe/mpw\r\n");
        writeData("NounList.lxd", "2\r\n01 x lo/gos\r\n02 x xw/ra\r\n");
        SetInstalledFontsForTest(std::vector<std::string>{"Arial", "MS Sans Serif", "Ortholex"});
        SetMessageSink([this](const std::string& text, MsgIcon icon) {
            messages.push_back({text, icon});
        });
    }

    void TearDown() override {
        window.reset();
        UnloadPickUserWin();
        SetProgramFolder("");
        SetSplashInterval(5000);
        unsetenv("LEXIVO_TEST_FOLDER");
        SetMessageSink(nullptr);
        SetInstalledFontsForTest(std::nullopt);
        UserFolder.clear();
    }

    void writeData(const std::string& name, const std::string& bytes) {
        std::ofstream(dataPath(name), std::ios::binary) << bytes;
    }

    void writeUserFile(const std::string& name, const std::string& bytes) {
        std::ofstream(userPath(name), std::ios::binary) << bytes;
    }

    std::string dataPath(const std::string& name) const { return root + "/Data/" + name; }
    std::string userPath(const std::string& name) const { return root + "/Users/Maria/" + name; }
    std::string userFile(const std::string& name) const { return TempFolder::read(userPath(name)); }

    // Lets the process started by the next death test work in this test's folder.
    void shareFolderWithDeathTest() { setenv("LEXIVO_TEST_FOLDER", root.c_str(), 1); }

    // In a death test: messages go to stderr, where the test matches them.
    static void printMessages() {
        SetMessageSink([](const std::string& text, MsgIcon) { std::cerr << text << std::endl; });
    }

    // Starts the program as the user does: the splash window, then the user Maria chosen, then the
    // main window for her.
    WelcomeWin& start() {
        SetProgramFolder(root);
        SetSplashInterval(1);
        chooseUserWhenAsked(QStringLiteral("Maria"));
        EXPECT_TRUE(Main());
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* main = qobject_cast<WelcomeWin*>(top))
                window.reset(main);
        EXPECT_NE(window, nullptr);
        return *window;
    }

    // Starting ends the program after this message.
    void expectStartEndsSaying(const char* message) {
        EXPECT_EXIT(
            {
                printMessages();
                start();
            },
            testing::ExitedWithCode(0), message);
    }

    // Chooses a user in the user-choice window once it shows (it is shown modally from inside an
    // event loop of its own, so the test looks for it from a timer).
    static void chooseUserWhenAsked(const QString& name, int triesLeft = 500) {
        QTimer::singleShot(2, qApp, [name, triesLeft] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!dialog || dialog->objectName() != QStringLiteral("PickUserWin")) {
                if (triesLeft > 0)
                    chooseUserWhenAsked(name, triesLeft - 1);
                else
                    ADD_FAILURE() << "the user-choice window did not show";
                return;
            }
            auto* users = dialog->findChild<QListWidget*>(QStringLiteral("UserList"));
            const auto found = users->findItems(name, Qt::MatchExactly);
            ASSERT_EQ(found.size(), 1);
            users->setCurrentItem(found.first());
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("Start")),
                              Qt::LeftButton);
        });
    }

    // Closes the window as its close box does: the window system asks the window to close.
    void closeByCloseBox() {
        QCloseEvent close;
        QApplication::sendEvent(window->windowHandle(), &close);
    }

    template <class Control> Control* find(const char* name) const {
        auto* control = window->findChild<Control*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    QString text(const char* field) const { return find<QLineEdit>(field)->text(); }

    // Empties a field and types into it key by key, as the user does.
    void retype(const char* field, const char* keys) {
        QLineEdit* edit = find<QLineEdit>(field);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, QString::fromLatin1(keys));
    }

    // A record as its file holds it, so that whole records compare readably.
    std::string asFile(const LexivoPrefFile& prefs) const {
        const std::string path = root + "/record.lxp";
        WritePrefsFile(path, prefs);
        return TempFolder::read(path);
    }

    // The defaults, in the record and in the controls, and no message said.
    void expectDefaults() const {
        LexivoPrefFile defaults;
        SetDefaultPrefValues(defaults);
        EXPECT_EQ(asFile(Prefs), asFile(defaults));
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
        EXPECT_TRUE(messages.empty());
    }

    TempFolder folder;
    std::string root;
    std::unique_ptr<WelcomeWin> window;
    std::vector<Message> messages;
};
