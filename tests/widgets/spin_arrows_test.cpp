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

// The arrows that are enabled, then the value they stand at.
std::string standing(SpinArrows& arrows) {
    return std::string(arrow(arrows, Qt::UpArrow)->isEnabled() ? "up " : "") +
           (arrow(arrows, Qt::DownArrow)->isEnabled() ? "down " : "") +
           std::to_string(arrows.shownValue());
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
        EXPECT_EQ(standing(arrows), c.standing) << c.minimum << " " << c.maximum << " " << c.value;

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

    // Limits moved later move the arrows' reach with them.
    QWidget parent;
    SpinArrows arrows(1, 3, 1, 3, &parent);
    arrows.setMaximum(5);
    EXPECT_EQ(standing(arrows), "up down 3");
    arrows.setMinimum(3);
    EXPECT_EQ(standing(arrows), "up 3");
    arrows.setMaximum(3);
    EXPECT_EQ(standing(arrows), "3");
}

} // namespace
