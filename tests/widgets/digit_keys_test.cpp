#include "widgets/DigitKeys.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

// A number field takes the digits typed and no other character; the editing keys still edit.
TEST(DigitKeys, ANumberFieldTakesDigitsAndEditingKeysOnly) {
    QLineEdit field;
    AcceptDigitKeysOnly(&field);
    field.show();
    QTest::keyClicks(&field, "0a/9:~ -1.5e");
    EXPECT_EQ(field.text(), "0915");
    QTest::keyClick(&field, Qt::Key_Home);
    QTest::keyClick(&field, Qt::Key_Delete);
    QTest::keyClick(&field, Qt::Key_End);
    QTest::keyClick(&field, Qt::Key_Backspace);
    EXPECT_EQ(field.text(), "91");
}
