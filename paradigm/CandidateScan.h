#pragma once

#include "paradigm/CandidateList.h"
#include "platform/Progress.h"

#include <array>
#include <string>
#include <string_view>

struct DrillSettings;

// A code list of the main window ("01,04" or "1,4,0") as a set: a part belongs to it when a
// field of the list is exactly that part.
class CodeSet {
public:
    explicit CodeSet(const std::string& codeList);
    bool Has(std::string_view part) const;

private:
    std::array<bool, 110> has_{}; // two-digit codes at their value, one-digit ones at 100 + it
};

// The user's choices for a drill, as the main window's code lists and boxes give them. The verb
// drill reads items, voices, tenses, moods, duals and thirdPersonImperatives; the noun drill
// items, duals and vocatives.
struct FormChoices {
    std::string items;
    std::string voices;
    std::string tenses;
    std::string moods;
    bool duals = false;
    bool thirdPersonImperatives = false;
    bool vocatives = false;
};

// The choices made ready for the scan's test of every line.
struct ChoiceSets {
    explicit ChoiceSets(const FormChoices& choices);

    CodeSet items, voices, tenses, moods;
    bool duals, thirdPersonImperatives, vocatives;
};

// Whether a form of this code is drilled with these choices (a well-formed code is assumed).
bool VerbFormChosen(std::string_view code, const ChoiceSets& chosen);
bool NounFormChosen(std::string_view code, const ChoiceSets& chosen);

// Scans a paradigm file for the forms the choices ask for, in file order, each with weight 0.
// Lines whose code is not a form code of the drill, or that have no form, are never taken.
// Throws RunError when the file cannot be read or has more data lines than 16-bit line numbers
// reach; FileNotFound when it is missing. progress hears the number on the count line, the item
// number of each line where it changes, and the end.
CandidateList CollectValidForms(const std::string& path, const DrillSettings& drill,
                                const FormChoices& choices, Progress& progress);
