#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The one place where numbers are read from text and written for the user.

// The leading number of a text: blanks before it are skipped, an optional sign, digits, an
// optional decimal part and exponent; it ends at the first character that cannot continue it.
// A text without a number gives 0.
double LeadingNumber(std::string_view text);

// The number a value of a number field holds: its leading number, as above ("15abc" gives 15),
// but a text with no number at all (empty, blanks, letters) is no value for the field and throws
// RunError(ErrNo::TypeMismatch).
double NumberFieldValue(std::string_view text);

// Rounds half to even into a 16-bit integer; throws RunError(ErrNo::Overflow) when the rounded
// value does not fit (and for values that are not finite).
std::int16_t RoundToInt16(double value);

// Rounds half to even and keeps the result within the 16-bit range: a number typed beyond it
// becomes 32767 (or -32768) instead of an overflow, and a value that is not a number 0.
std::int16_t ClampToInt16(double value);

// A number as shown to the user: a leading blank when not negative (" 3", "-7", " 2.5", " 0").
std::string NumberText(double value);
