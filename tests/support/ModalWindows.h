#pragma once

#include <QString>
#include <functional>
#include <source_location>

class QWidget;

// A modal window waits in its own event loop for an answer that only the test can give. So every
// modal window a window test meets is one it expects: whenModal answers the next one of that name,
// one that no test expects fails the test at once with its texts, and one expected that never
// comes fails the test as it ends. A fault shows as a failure, never as a test waiting for ever.

// Runs action on the next modal window of that object name once it is up; it must come before
// the test ends.
void whenModal(const QString& objectName, std::function<void(QWidget*)> action,
               std::source_location where = std::source_location::current());

// Watches for modal windows for the rest of the run: called once, after the QApplication is made.
void WatchModalWindows();
