#pragma once

#include "app/MyApp.h"
#include "support/ListItem.h"
#include "support/Messages.h"
#include "support/TempFolder.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

// A pane inside a plain window, with a Data folder and a user folder of the test's own.
template <class Pane> class PaneFixture : public ::testing::Test {
protected:
    void SetUp() override {
        DataFolder = data.path();
        UserFolder = user.path();
        RecordMessages(messages);
        pane = new Pane(&window);
        window.resize(640, 360);
        window.show();
    }
    void TearDown() override { SetMessageSink(nullptr); }

    // The control of that name; the test stops here when there is none.
    template <class T> T* child(const char* name) {
        T* found = window.findChild<T*>(name);
        [&] { ASSERT_NE(found, nullptr) << name; }();
        return found;
    }
    QCheckBox* box(const char* name) { return child<QCheckBox>(name); }
    // The item of that row of a list; the test stops here when the list is shorter.
    QListWidgetItem* item(const char* list, int row) {
        return listItem(child<QListWidget>(list), row);
    }
    void click(const char* button) {
        QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton);
    }

    // The check marks of a list, as a text of 0s and 1s.
    std::string checks(const char* list) {
        std::string marks;
        QListWidget* box = child<QListWidget>(list);
        for (int i = 0; i < box->count(); ++i)
            marks += box->item(i)->checkState() == Qt::Checked ? '1' : '0';
        return marks;
    }
    // Checks every box of the pane and every item of the list.
    void checkEverything(const char* list) {
        for (QCheckBox* box : window.findChildren<QCheckBox*>())
            box->setChecked(true);
        QListWidget* box = child<QListWidget>(list);
        for (int i = 0; i < box->count(); ++i)
            box->item(i)->setCheckState(Qt::Checked);
    }
    // The display-font text an item keeps beside the text it shows.
    std::string text(const char* list, int row) {
        return item(list, row)->data(Qt::UserRole).toByteArray().toStdString();
    }

    TempFolder data;
    TempFolder user;
    QWidget window;
    Pane* pane = nullptr;
    std::vector<Message> messages;
};

inline const Message prefsError{
    "I could not open your preference file; using default preferences instead.", MsgIcon::Stop};
