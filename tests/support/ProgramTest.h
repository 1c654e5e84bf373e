#pragma once

#include "app/MyApp.h"
#include "app/PickUserWin.h"
#include "app/SplashWin.h"
#include "mainwin/WelcomeWin.h"
#include "platform/Fonts.h"
#include "platform/ProgramFolder.h"
#include "platform/Random.h"
#include "start/Main.h"
#include "support/Messages.h"
#include "support/ModalWindows.h"
#include "support/StopAtFirstFailure.h"
#include "support/TempFolder.h"
#include "widgets/BetaCodeWin.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

// The control of that name in the window; the test stops here when there is none (or no window).
template <typename T> T* child(QWidget* window, const char* name) {
    T* found = nullptr;
    [&] {
        ASSERT_NE(window, nullptr) << "no window to find " << name << " in";
        found = window->findChild<T*>(QString::fromLatin1(name));
        ASSERT_NE(found, nullptr) << window->objectName().toStdString() << " has no " << name;
    }();
    return found;
}

// A window that the test goes on using, such as a drill window. It is null once the window is
// gone, and the test stops at its first use after that (a drill that ended too soon), instead of
// reaching into a deleted window.
template <typename T> class WindowHandle {
public:
    WindowHandle& operator=(T* window) {
        window_ = window;
        return *this;
    }
    T* operator->() const {
        [&] { ASSERT_NE(window_, nullptr) << "the window is gone"; }();
        return window_;
    }
    T& operator*() const { return *operator->(); }
    operator T*() const { return window_; }

private:
    QPointer<T> window_;
};

inline void click(QWidget* window, const char* button) {
    QTest::mouseClick(child<QPushButton>(window, button), Qt::LeftButton);
}

// Saves the window as a picture when LEXIVO_PICTURES names a folder: for looking at its layout,
// not for checking it.
inline void picture(QWidget* window, const char* name) {
    const QString folder = QString::fromLocal8Bit(qgetenv("LEXIVO_PICTURES"));
    QCoreApplication::processEvents();
    if (!folder.isEmpty())
        window->grab().save(folder + "/" + name + ".png");
}

// Opens the Beta-code chart with the drill window's BetaButton and closes it by its close box,
// which leaves the button offering the chart again; then opens it once more.
inline void openTheChartTwice(QWidget* drill) {
    auto* beta = child<QPushButton>(drill, "BetaButton");
    click(drill, "BetaButton");
    ASSERT_NE(BetaCodeWin::Loaded(), nullptr);
    EXPECT_EQ(beta->text(), "Hide Beta-Code Template");
    BetaCodeWin::Loaded()->close();
    EXPECT_EQ(beta->text(), "Show Beta-Code Template");
    click(drill, "BetaButton");
    ASSERT_NE(BetaCodeWin::Loaded(), nullptr);
    picture(BetaCodeWin::Loaded(), "chart");
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

// Waits for the splash window, runs look on it, and notes in closedByItsTimer whether the
// window's own timer then closed it. Its time must be 20 ms or more (see ModalWindows.h).
inline void whenSplashShows(bool& closedByItsTimer, std::function<void(QWidget*)> look,
                            std::source_location where = std::source_location::current()) {
    whenModal(
        QStringLiteral("SplashWin"),
        [&closedByItsTimer, look](QWidget* splash) {
            look(splash);
            QObject::connect(child<QTimer>(splash, "SplashTimer"), &QTimer::timeout, splash,
                             [&closedByItsTimer] { closedByItsTimer = true; });
        },
        where);
}

inline void chooseUserWhenAsked(const QString& name) {
    whenModal(QStringLiteral("PickUserWin"),
              [name](QWidget* win) { clickUserEntry(win, name, DoubleClick); });
}

// Chooses New User when the user-choice window asks, and types the name into the new-user window.
inline void newUserWhenAsked(const QString& name) {
    whenModal(QStringLiteral("PickUserWin"), [name](QWidget* win) {
        whenModal(QStringLiteral("NewUser"), [name](QWidget* newUser) {
            QTest::keyClicks(child<QLineEdit>(newUser, "NameField"), name);
            click(newUser, "OkayButton");
        });
        clickUserEntry(win, "New User");
        click(win, "Start");
    });
}

// A program folder of the test's own with the globals emptied, messages recorded, the splash
// window quick and a few fonts installed, Ortholex among them.
//
// A death test runs the test again in a new process; there the folder named by
// LEXIVO_TEST_FOLDER is used instead of a new one, so that the test can look at what the ended
// program left behind.
class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* shared = std::getenv("LEXIVO_TEST_FOLDER");
        root = shared ? shared : folder.path();
        SetProgramFolder(root);
        SetSplashInterval(1);
        SetInstalledFontsForTest(std::vector<std::string>{"Arial", "MS Sans Serif", "Ortholex"});
        RecordMessages(messages);
        AppFolder = UsersFolder = DataFolder = HelpFile = UserFolder = "";
        Prefs = LexivoPrefFile{};
    }

    void TearDown() override {
        delete mainWindow();
        // The drill windows a test leaves, loaded or closed, go before the next test.
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName().endsWith(QStringLiteral("QuizWindow")))
                top->deleteLater();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        UnloadPickUserWin();
        unsetenv("LEXIVO_TEST_FOLDER");
        SetInstalledFontsForTest(std::nullopt);
        SetRandomScript({});
        SetMessageSink(nullptr);
        SetProgramFolder("");
    }

    std::string path(const std::string& name) const { return root + "/" + name; }
    void write(const std::string& name, const std::string& bytes) const {
        std::filesystem::create_directories(std::filesystem::path(path(name)).parent_path());
        std::ofstream(path(name), std::ios::binary) << bytes;
    }
    std::string read(const std::string& name) const { return TempFolder::read(path(name)); }

    // What the main window needs of Data: two vocabulary lists and small paradigm files.
    void makeData() const {
        write("Data/Athenaze.lxv", "0\r\n");
        write("Data/Other.lxv", "0\r\n");
        write("Data/Verbs.lxd", "2\r\n01111111,lu/w\r\n01211111,lu/sw\r\n02111111,pe/mpw\r\n");
        write("Data/NounList.lxd", "2\r\n01 x lo/gos\r\n02 x xw/ra\r\n");
        write("Data/VerbIndex.lxd", "1\r\n01111111 01111112\r\n");
        write("Data/Nouns.lxd", "2\r\n011111,lo/gos\r\n021121,xw/ra\r\n");
        write("Data/NounIndex.lxd", "1\r\n011111 011112\r\n");
        if (!qEnvironmentVariableIsEmpty("LEXIVO_PICTURES")) // the font the build made
            QFile::copy(qEnvironmentVariable("LEXIVO_BUILD_DIR") + "/Data/Ortholex.ttf",
                        QString::fromStdString(path("Data/Ortholex.ttf")));
    }

    // The Data folder that the build made, and the installed fonts, in place of the test's own:
    // for looking at windows as pictures.
    void useBuiltData() const {
        const QDir built(QString::fromLocal8Bit(qgetenv("LEXIVO_BUILD_DIR")) + "/Data");
        for (const QString& name : built.entryList(QDir::Files)) {
            const QString copy = QString::fromStdString(path("Data/" + name.toStdString()));
            QFile::remove(copy);
            QFile::copy(built.filePath(name), copy);
        }
        SetInstalledFontsForTest(std::nullopt);
    }

    // Starts the program as the user does and returns the main window left open; the test stops
    // here when the program did not start or left no main window.
    WelcomeWin* start(const QString& user) {
        chooseUserWhenAsked(user);
        WelcomeWin* main = nullptr;
        [&] {
            ASSERT_TRUE(Main());
            main = mainWindow();
            ASSERT_NE(main, nullptr);
        }();
        return main;
    }

    static WelcomeWin* mainWindow() {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* main = qobject_cast<WelcomeWin*>(top))
                return main;
        return nullptr;
    }

    // Lets the process started by the next death test work in this test's folder.
    void shareFolderWithDeathTest() const { setenv("LEXIVO_TEST_FOLDER", root.c_str(), 1); }

    TempFolder folder;
    std::string root;
    std::vector<Message> messages;
};
