#pragma once

#include "app/MyApp.h"
#include "app/PickUserWin.h"
#include "app/SplashWin.h"
#include "platform/Fonts.h"
#include "platform/MessageBox.h"
#include "platform/ProgramFolder.h"
#include "support/TempFolder.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

using Message = std::pair<std::string, MsgIcon>;

// The line a message leaves on stderr, which death tests match: "[Stop] text|".
inline std::string messageLine(const std::string& text, MsgIcon icon) {
    static const char* const icons[] = {"Stop", "Exclamation", "Information"};
    return std::string("[") + icons[int(icon)] + "] " + text + "|";
}

// A program folder of its own for each test, messages recorded (and written to stderr for death
// tests), the splash window quick, and no user chosen.
class AppTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetProgramFolder(dir.path());
        SetSplashInterval(1);
        SetInstalledFontsForTest(std::vector<std::string>{"Ortholex"});
        SetMessageSink([this](const std::string& text, MsgIcon icon) {
            messages.emplace_back(text, icon);
            std::fprintf(stderr, "%s\n", messageLine(text, icon).c_str());
        });
        AppFolder = UsersFolder = DataFolder = HelpFile = UserFolder = "";
    }

    void TearDown() override {
        closeMainWindow();
        UnloadPickUserWin();
        SetInstalledFontsForTest(std::nullopt);
        SetMessageSink(nullptr);
        SetProgramFolder("");
    }

    void makeFolders(bool data, bool users) {
        if (data)
            std::filesystem::create_directory(dir.path("Data"));
        if (users)
            std::filesystem::create_directory(dir.path("Users"));
        UsersFolder = dir.path("Users");
        DataFolder = dir.path("Data");
    }

    // What the main window needs of Data: a vocabulary list and the verb and noun lists.
    void makeDataForMainWindow() {
        std::filesystem::create_directory(dir.path("Data"));
        dir.write("Data/Athenaze.lxv", "0\r\n");
        dir.write("Data/Verbs.lxd", "1\r\n01111111,lu/w\r\n");
        dir.write("Data/NounList.lxd", "1\r\n01 x lo/gos\r\n");
    }

    // The main window that Main leaves open, or nullptr.
    static QWidget* mainWindow() {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->objectName() == QStringLiteral("WelcomeWin"))
                return window;
        return nullptr;
    }

    static void closeMainWindow() { delete mainWindow(); }

    TempFolder dir;
    std::vector<Message> messages;
};

// Runs action on the modal window of that name once it is up (polled, as modal windows are
// shown from inside an event loop that the test does not control).
inline void whenModal(const QString& objectName, std::function<void(QWidget*)> action,
                      int triesLeft = 500) {
    QTimer::singleShot(5, qApp, [=] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->objectName() == objectName)
            action(modal);
        else if (triesLeft > 0)
            whenModal(objectName, action, triesLeft - 1);
        else
            ADD_FAILURE() << "no modal window " << objectName.toStdString();
    });
}

template <typename T> T* child(QWidget* window, const char* name) {
    T* found = window->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

inline void click(QWidget* window, const char* button) {
    QTest::mouseClick(child<QPushButton>(window, button), Qt::LeftButton);
}

// Clicks, or double-clicks as the platform delivers it (press, release, double-click press,
// release), the entry of the user-choice window's list with that text.
enum ClickKind { SingleClick, DoubleClick };
inline void clickUserEntry(QWidget* pickUserWin, const QString& text,
                           ClickKind kind = SingleClick) {
    auto* list = child<QListWidget>(pickUserWin, "UserList");
    const auto found = list->findItems(text, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << text.toStdString();
    const QPoint at = list->visualItemRect(found.first()).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    if (kind == DoubleClick) {
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
    }
}

// Types text key by key, letters beyond ASCII included.
inline void typeText(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(widget, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}
