#pragma once

class QLineEdit;

// Lets only digits and Backspace be typed into field: every other typed character is dropped
// before it reaches the field. Editing keys and pasted text are not filtered; the window's
// shortcuts go before the field's own.
void AcceptDigitKeysOnly(QLineEdit* field);
