#pragma once

#include <cstdint>
#include <string>

// Greek text routines. All texts are 8-bit strings; none of these keeps state, reads files or
// shows anything. GetField and CountFields throw RunError (platform/RunError.h); the others
// accept any text.

// Puts every run of Beta marks into canonical order and reduces every run of '*' to one.
std::string SortBetaMarks(const std::string& text);
// Removes every blank.
std::string StripSpaces(const std::string& text);
// Removes the characters "/\=+|,.;*-()[]".
std::string StripBetaMarks(const std::string& text);
// Removes the accents and the diaeresis "/\=+".
std::string StripAccents(const std::string& text);

// The n-th field (from 1) of text split at separator; RunError(SubscriptOutOfRange) when there is
// no such field. An empty separator never matches, so a non-empty text is then one field.
std::string GetField(const std::string& text, const std::string& separator, int n);
// The number of fields (0 for an empty text); RunError(Overflow) beyond 32767.
std::int16_t CountFields(const std::string& text, const std::string& separator);

// Conversions between the data-file font encoding, Beta code and the display-font encoding.
std::string DataFontToBeta(const std::string& text);
std::string BetaToDisplayFont(const std::string& text);
std::string DisplayFontToBeta(const std::string& text);

// Typing errors of the best approximate occurrence of pattern in text: 0 to 5 unscaled. Texts of
// any length are counted exactly; a scaled count beyond the 16-bit range is held at 32767.
std::int16_t CountTypos(const std::string& pattern, const std::string& text, bool countSwaps,
                        bool scaleByLength);
// CountTypos for callers to whom only counts below limit (1 to 5) matter: the counting stops as
// soon as the best occurrence cannot have fewer errors than that, and any count of limit or more
// is taken as no occurrence (5, with the tail of no occurrence). Counts below limit are
// CountTypos's own, scaled or not.
std::int16_t CountTyposBelow(const std::string& pattern, const std::string& text, bool countSwaps,
                             bool scaleByLength, int limit);
