// Entry point of the window tests: one offscreen QApplication for the whole run, with the
// program's message box for the messages that a test does not record.
#include "platform/MessageBoxWindow.h"
#include "support/ModalWindows.h"
#include "support/StopAtFirstFailure.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::GTEST_FLAG(death_test_style) = "threadsafe";
    QApplication app(argc, argv);
    SetMessageShower(ShowMessageBox);
    WatchModalWindows();
    StopAtFirstFatalFailure();
    FailWhereTheProgramEnds();
    return RUN_ALL_TESTS();
}
