#include "platform/DefaultButton.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

// Enter (Return, or Enter on the keypad) typed anywhere in the window clicks the default button,
// or the button that has the focus; with Shift, Ctrl or Alt it clicks nothing, and a default
// button that cannot be clicked takes no Enter.
TEST(DefaultButton, EnterClicksTheDefaultOrTheFocusedButton) {
    QWidget window;
    auto* field = new QLineEdit(&window);
    auto* begin = new QPushButton("Begin", &window);
    auto* other = new QPushButton("Other", &window);
    window.show();
    SetDefaultButton(&window, begin);
    EXPECT_EQ(DefaultButton(&window), begin);
    EXPECT_TRUE(begin->isDefault());

    QSignalSpy begun(begin, &QPushButton::clicked), othered(other, &QPushButton::clicked);
    const auto press = [&](QWidget* at, Qt::Key key, Qt::KeyboardModifiers modifiers) {
        begun.clear();
        othered.clear();
        QTest::keyClick(at, key, modifiers);
        return std::to_string(begun.count()) + std::to_string(othered.count());
    };
    EXPECT_EQ(press(field, Qt::Key_Return, Qt::NoModifier), "10");
    EXPECT_EQ(press(field, Qt::Key_Enter, Qt::KeypadModifier), "10");
    EXPECT_EQ(press(field, Qt::Key_Return, Qt::ShiftModifier), "00");
    EXPECT_EQ(press(field, Qt::Key_Return, Qt::ControlModifier), "00");
    EXPECT_EQ(press(field, Qt::Key_Space, Qt::NoModifier), "00");
    other->setFocus();
    EXPECT_EQ(press(other, Qt::Key_Return, Qt::NoModifier), "01");
    field->setFocus();
    begin->setEnabled(false);
    EXPECT_EQ(press(field, Qt::Key_Return, Qt::NoModifier), "00");
    begin->setEnabled(true);
    begin->hide();
    EXPECT_EQ(press(field, Qt::Key_Return, Qt::NoModifier), "00");
    begin->show();

    // Another default button takes the role; clearing a button that does not hold it changes
    // nothing.
    SetDefaultButton(&window, other);
    EXPECT_FALSE(begin->isDefault());
    EXPECT_TRUE(other->isDefault());
    EXPECT_EQ(press(field, Qt::Key_Return, Qt::NoModifier), "01");
    ClearDefaultButton(&window, begin);
    EXPECT_EQ(DefaultButton(&window), other);
    EXPECT_TRUE(other->isDefault());
    ClearDefaultButton(&window, other);
    EXPECT_EQ(DefaultButton(&window), nullptr);
    EXPECT_FALSE(other->isDefault());
    EXPECT_EQ(press(field, Qt::Key_Return, Qt::NoModifier), "00");
    QWidget plain;
    EXPECT_EQ(DefaultButton(&plain), nullptr);
    ClearDefaultButton(&plain, begin); // a window without a default button: nothing to do
}
