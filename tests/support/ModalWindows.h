#pragma once

#include <QString>
#include <functional>
#include <source_location>
#include <string>
#include <vector>

class QWidget;

// A modal window waits in its own event loop for an answer that only the test can give. So every
// modal window a window test meets is one it expects: whenModal answers the next one of that name,
// one that no test expects fails the test at once with its texts, and one expected that never
// comes fails the test as it ends. A fault shows as a failure, never as a test waiting for ever.
// The splash window, which closes itself, is the one exception: it is answered only when a test
// waits for it. The helper looks for modal windows every 10 ms, so it answers a splash window
// whose time is longer before that time is up (Qt runs due timers in the order they fall due).

// Runs action on the next modal window of that object name once it is up; it must come before
// the test ends. A fatal failure inside the action (ASSERT_*) ends the test's process with
// status 1, since it cannot unwind through the window's event loop.
void whenModal(const QString& objectName, std::function<void(QWidget*)> action,
               std::source_location where = std::source_location::current());

// The names of the modal windows the test has answered so far, in the order they came.
std::vector<std::string> ModalWindowsAnswered();

// Watches for modal windows for the rest of the run: called once, after the QApplication is made.
void WatchModalWindows();
