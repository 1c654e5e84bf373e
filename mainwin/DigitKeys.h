#pragma once

class QLineEdit;

// Lets only digits and Backspace be typed into field: every other typed character is dropped
// before it reaches the field. Editing keys, shortcuts and pasted text are not filtered.
void AcceptDigitKeysOnly(QLineEdit* field);
