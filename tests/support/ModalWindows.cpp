#include "support/ModalWindows.h"

#include "support/StopAtFirstFailure.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

struct Expected {
    QString name;
    std::function<void(QWidget*)> action;
    std::source_location where;
};

std::vector<Expected>& expected() {
    static std::vector<Expected> windows;
    return windows;
}

std::vector<std::string>& answered() {
    static std::vector<std::string> names;
    return names;
}

// The modal windows whose actions are running (one inside another when an action opens the
// next): answered already, though still up.
std::vector<QPointer<QWidget>>& answering() {
    static std::vector<QPointer<QWidget>> windows;
    return windows;
}

// The splash window closes itself when its time is up: only a test that waits for it answers it.
bool closesByItself(const QWidget* window) {
    return window->objectName() == QLatin1String("SplashWin");
}

// The window's name, caption and the texts it shows.
std::string describe(const QWidget* window) {
    QString text = window->objectName().isEmpty()
                       ? QString::fromLatin1(window->metaObject()->className())
                       : window->objectName();
    text += QStringLiteral(" \"") + window->windowTitle() + '"';
    for (const QLabel* label : window->findChildren<QLabel*>())
        if (label->isVisibleTo(window) && !label->text().isEmpty())
            text += QStringLiteral(" \"") + label->text() + '"';
    return text.toStdString();
}

// Reports a window that nobody will answer and ends the test's process with a failure: left up,
// it would wait for ever, and closed, it would carry the program on down a path the test does
// not know (the close box of some windows ends the program as a success).
[[noreturn]] void failAt(const QWidget* window) {
    std::string report = "A modal window came up that the test did not expect: " + describe(window);
    for (const Expected& e : expected())
        report += "\n  (the test waits for " + e.name.toStdString() + ", at " +
                  e.where.file_name() + ":" + std::to_string(e.where.line()) + ")";
    // In a death test's process the failure itself stops, and is printed to stderr there.
    StopTestOnFailure("at an unexpected modal window", [&] { ADD_FAILURE() << report; });
    EndTestProcess("The test stopped at an unexpected modal window.");
}

void look() {
    // The next look is due before the action runs, so that it happens inside any modal window
    // that the action opens.
    QTimer::singleShot(10, qApp, &look);
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || std::count(answering().begin(), answering().end(), modal) > 0)
        return;
    const auto found = std::ranges::find(expected(), modal->objectName(), &Expected::name);
    if (found == expected().end()) {
        if (closesByItself(modal))
            return;
        failAt(modal);
    }
    const Expected answer = std::move(*found);
    expected().erase(found);
    answered().push_back(answer.name.toStdString());
    answering().emplace_back(modal);
    StopTestOnFailure("answering the modal window " + answer.name.toStdString() + " expected at " +
                          answer.where.file_name() + ":" + std::to_string(answer.where.line()),
                      [&] { answer.action(modal); });
    answering().pop_back();
}

class ExpectedWindowsCome : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override {
        expected().clear();
        answered().clear();
    }
    void OnTestEnd(const testing::TestInfo&) override {
        for (const Expected& e : expected())
            ADD_FAILURE_AT(e.where.file_name(), int(e.where.line()))
                << "The modal window " << e.name.toStdString() << " never came.";
        expected().clear();
    }
};

} // namespace

void whenModal(const QString& objectName, std::function<void(QWidget*)> action,
               std::source_location where) {
    expected().push_back({objectName, std::move(action), where});
}

std::vector<std::string> ModalWindowsAnswered() {
    return answered();
}

void WatchModalWindows() {
    testing::UnitTest::GetInstance()->listeners().Append(new ExpectedWindowsCome);
    look();
}
