#include "widgets/SpinArrows.h"

#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

QToolButton* arrow(SpinArrows& arrows, Qt::ArrowType type) {
    for (QToolButton* button : arrows.findChildren<QToolButton*>())
        if (button->arrowType() == type)
            return button;
    return nullptr;
}

// The arrows stand within the limits, and the one that would leave them is disabled; a click on
// an enabled arrow steps once and says so.
TEST(SpinArrowsTest, AnArrowThatWouldLeaveTheLimitsIsDisabled) {
    struct Case {
        int minimum, maximum, value;
        const char* standing; // the arrows that are enabled, then the value they stand at
    };
    const Case cases[] = {
        {1, 3, 1, "up 1"},   {1, 3, 2, "up down 2"}, {1, 3, 3, "down 3"},
        {1, 3, 9, "down 3"}, {1, 3, -4, "up 1"},     {5, 2, 2, "5"}, // the lower limit above
    };
    for (const Case& c : cases) {
        QWidget parent;
        SpinArrows arrows(c.minimum, c.maximum, 1, c.value, &parent);
        QToolButton* up = arrow(arrows, Qt::UpArrow);
        QToolButton* down = arrow(arrows, Qt::DownArrow);
        const std::string standing = std::string(up->isEnabled() ? "up " : "") +
                                     (down->isEnabled() ? "down " : "") +
                                     std::to_string(arrows.shownValue());
        EXPECT_EQ(standing, c.standing) << c.minimum << " " << c.maximum << " " << c.value;

        QSignalSpy changed(&arrows, &SpinArrows::valueChanged);
        const int start = arrows.shownValue();
        if (up->isEnabled()) {
            QTest::mouseClick(up, Qt::LeftButton);
            EXPECT_EQ(arrows.value(), start + 1);
        } else if (down->isEnabled()) {
            QTest::mouseClick(down, Qt::LeftButton);
            EXPECT_EQ(arrows.value(), start - 1);
        }
        EXPECT_EQ(changed.count(), up->isEnabled() || down->isEnabled() ? 1 : 0);
    }
}

} // namespace
