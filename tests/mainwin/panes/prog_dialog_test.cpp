#include "mainwin/ProgDialog.h"

#include <QProgressBar>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

QProgressBar* bar() {
    return ProgDialog::Get().findChild<QProgressBar*>("ProgressBar");
}

TEST(ProgDialogTest, ShowsAtOnceAndFollowsItsCaller) {
    ASSERT_FALSE(ProgDialog::IsLoaded());
    ProgDialog& dialog = ProgDialog::Get();
    EXPECT_TRUE(ProgDialog::IsLoaded());
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.windowHandle()->isExposed());
    EXPECT_EQ(dialog.windowTitle(), "Progress");
    EXPECT_EQ(dialog.size(), QSize(257, 62));
    ASSERT_NE(bar(), nullptr);

    dialog.ShowNow();
    dialog.SetCaption("Reading Verb File");
    dialog.SetValue(0);
    dialog.SetMax(12);
    for (int step = 1; step <= 12; ++step) {
        dialog.SetValue(step);
        EXPECT_EQ(bar()->value(), step);
    }
    EXPECT_EQ(dialog.windowTitle(), "Reading Verb File");
    EXPECT_EQ(bar()->maximum(), 12);
    dialog.SetValue(40); // a lying count line must not break the loop
    EXPECT_EQ(bar()->value(), 12);
    dialog.SetValue(-3);
    EXPECT_EQ(bar()->value(), 0);

    // Hidden, it stays loaded; the next caller shows the same window again.
    dialog.hide();
    ProgDialog& again = ProgDialog::Get();
    EXPECT_EQ(&again, &dialog);
    EXPECT_FALSE(again.isVisible());
    again.ShowNow();
    again.SetCaption("Loading your saved scores...");
    EXPECT_TRUE(again.isVisible());

    ProgDialog::Unload();
    EXPECT_FALSE(ProgDialog::IsLoaded());
    ProgDialog::Unload(); // nothing to do
    EXPECT_EQ(ProgDialog::Get().windowTitle(), "Progress");
    ProgDialog::Unload();
}

} // namespace
