#pragma once

#include <QListWidget>
#include <gtest/gtest.h>

// The item of that row of a list, or its current item when row is -1; the test stops here when
// there is none.
inline QListWidgetItem* listItem(QListWidget* list, int row = -1) {
    QListWidgetItem* found = row < 0 ? list->currentItem() : list->item(row);
    [&] {
        ASSERT_NE(found, nullptr) << list->objectName().toStdString() << " has no item " << row;
    }();
    return found;
}
