#pragma once

#include <string>
#include <vector>

struct DrillSettings;

// The parse item's texts and codes, apart from the window's controls.

// "Based on the forms you have chosen, ..." for the number of parsings still open.
std::string PossiblesText(std::size_t answers);

// The user's parse code from the word number ("" when no word is chosen) and the selected digit
// of each option group in code order (0 when none is selected). When a choice is missing the
// result is "" and missing names the last one missing in the drill's order of looking.
std::string ParseCodeOf(const DrillSettings& drill, const std::string& wordNumber,
                        const std::vector<char>& digits, std::string& missing);

// "You must select a <missing>."
std::string MissingChoiceMessage(const std::string& missing);

// The words of the parts in which a parse code differs from a target code, in code order.
std::vector<std::string> DifferingParts(const DrillSettings& drill, const std::string& parseCode,
                                        const std::string& target);

// "Select a different ... and try again." naming the words in a list.
std::string HintText(const std::vector<std::string>& words);

// The digit to select in each option group (code order) to show the parsing of code; 0 where
// the group has no button for its digit.
std::vector<char> GiveUpDigits(const DrillSettings& drill, const std::string& code);
