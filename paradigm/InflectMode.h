#pragma once

#include <string>
#include <vector>

struct DrillSettings;

// The typed item's texts and judging, apart from the window's controls.

// The words of the parsing asked for by a code, one for each word label of the typed-answer
// panel in the settings' order. A character that is not a digit reads as 0; a digit without a
// word in its label's table gives "".
std::vector<std::string> InflectWords(const DrillSettings& drill, const std::string& code);

// The name of the word whose form is asked: the second blank-separated field of the last item of
// the word list whose first two characters are the code's; "" when no item is.
std::string InflectWordName(const std::vector<std::string>& wordItems, const std::string& code);

// The code of the other spelling of a form: the last character 1 becomes 2, anything else 1.
std::string VariantCode(const std::string& code);

// A Beta-code text reduced to what a typed answer is judged on: no blanks; with accents not
// counting no accents or diaeresis either, and with breathings not counting either no marks at
// all. Letters are compared as they stand, neither lower-cased nor with their marks reordered.
std::string InflectComparable(const std::string& beta, bool accentsCount, bool breathingsCount);
