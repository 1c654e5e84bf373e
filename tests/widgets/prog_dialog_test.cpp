#include "support/ProgressLog.h"
#include "widgets/ProgDialog.h"

#include <QProgressBar>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

TEST(ProgDialogTest, ShowsAtOnceAndFollowsItsCaller) {
    ASSERT_FALSE(ProgressWindowLoaded());
    ProgDialog& dialog = ProgDialog::Get();
    EXPECT_TRUE(ProgressWindowLoaded());
    EXPECT_TRUE(dialog.windowHandle()->isExposed());
    auto* bar = dialog.findChild<QProgressBar*>("ProgressBar");
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(dialog.size(), QSize(257, 62));
    EXPECT_EQ(bar->geometry(), QRect(8, 16, 241, 17));
    EXPECT_FALSE(bar->isTextVisible()); // a bar, no percentage
    // Its background is a picture of its own, shaded from top to bottom.
    const QImage picture = dialog.grab().toImage();
    EXPECT_NE(picture.pixelColor(1, 1), dialog.palette().color(QPalette::Window));
    EXPECT_NE(picture.pixelColor(1, 1), picture.pixelColor(1, 60));

    dialog.SetCaption("Reading Verb File");
    dialog.SetMax(12);
    dialog.SetValue(7);
    EXPECT_EQ(dialog.windowTitle(), "Reading Verb File");
    EXPECT_EQ(bar->value(), 7);
    dialog.SetValue(40); // a lying count line must not break the loop
    EXPECT_EQ(bar->value(), 12);
    dialog.SetValue(-3);
    EXPECT_EQ(bar->value(), 0);

    // Hidden, it stays loaded; the next caller shows the same window again, in front of the
    // window then in front. No key closes it.
    dialog.hide();
    QWidget caller;
    caller.show();
    EXPECT_EQ(&ProgDialog::Get(), &dialog);
    dialog.ShowNow();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.parentWidget(), &caller);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible());

    ProgDialog::Unload();
    EXPECT_FALSE(ProgressWindowLoaded());
    ProgDialog::Unload();                                   // nothing to do
    EXPECT_EQ(ProgDialog::Get().windowTitle(), "Progress"); // a new window
    ProgDialog::Unload();
}
