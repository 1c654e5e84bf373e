#pragma once

#include <string>

// Construction markers: the code a list stores ("Gen"), the text the marker box and the answer
// slots show ("+ Gen.") and the suffix of an English question (" (+ Gen.)").

// The marker box's items, in index order.
inline constexpr int MarkerItemCount = 10;
const char* MarkerItemText(int index);

// "" (no marker) gives "None", "Plu" "in Plural", "Gen" "+ Gen.", ...; any other code "".
std::string CaseCodeToText(const std::string& code);
// The inverse: "None" gives "", "+ Gen." "Gen", ...; any other text "".
std::string CaseTextToCode(const std::string& text);

// The suffix of an English question: "" for "None", " (in Plural)" for "Plu", else " (+ c.)".
std::string TransformCase(const std::string& inCase);

// The marker box item that a slot's marker text selects when the slot is taken back: a final "."
// dropped, then the item's text, its code in lower case or the text without its blank; 0 for
// anything else.
int SelectCaseIndex(std::string text);

// Type-ahead in the marker box while the user types free text: the item the typed text selects,
// or -1 when the text may still grow into one ("p", "i", "in").
int TypeAheadIndex(const std::string& typed);
