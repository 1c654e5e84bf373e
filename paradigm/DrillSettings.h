#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct ChoiceSets;

// What tells the verb drill and the noun drill apart: files, codes, captions, option groups,
// hint words, messages, summary wording and colours. Everything else is one design.

// One option button of a parse group, with the digit it stands for in a form code.
struct OptionButton {
    const char* name;
    const char* caption;
    char digit;
    // A label beneath the button that completes or explains its caption (none when null).
    const char* noteName = nullptr;
    const char* noteCaption = nullptr;
    // An "N/A" button: chosen by the user or by a give-up on an infinitive, never by a digit.
    bool notApplicable = false;
};

// A group of option buttons in its frame: one digit of the code.
struct OptionGroup {
    const char* frame;
    const char* caption;
    const char* word; // named in the missing-choice message and the hint
    int position;     // 0-based character of the code
    std::vector<OptionButton> buttons;
    // Place in the window's grid of frames; the word list's frame stands in column 0.
    int row, column, rowSpan;
};

// A label of the typed-answer panel that names one part of the parsing asked for: the word of
// its code digit (0 to 9; null: no word). Where the code holds altDigit at altPosition, the
// label takes its words from altWords instead (a verb participle names its gender, not a person).
struct InflectWordLabel {
    const char* name;
    int position; // 0-based character of the code
    std::array<const char*, 10> words;
    int altPosition = -1;
    char altDigit = 0;
    std::array<const char*, 10> altWords{};
};

struct DrillSettings {
    const char* windowName;
    const char* windowCaption;

    // The paradigm file and its index, with what is said when they fail.
    const char* formFile;
    const char* indexFile;
    const char* formMissingMessage;
    const char* formReadErrorMessage;
    const char* indexMissingMessage;
    const char* indexReadErrorMessage;
    const char* scanCaption; // the progress window's caption while the main window scans
    // Whether the scan takes a form of this code for the user's choices.
    bool (*formChosen)(std::string_view code, const ChoiceSets& chosen);
    // What the main window says when the choices lack a kind of form (null: the drill has no
    // kinds of form to choose) or an item of the list.
    const char* noKindsMessage;
    const char* noItemsMessage;

    int codeLength;      // digits of a form code
    int parseCodeLength; // characters of a code that a parse names

    // The word list and its frame; wordWord names it in messages and hints.
    const char* wordFrame;
    const char* wordFrameCaption;
    const char* wordList;
    const char* wordWord;

    // The option groups in code order, and the order in which a missing choice is looked for.
    std::vector<OptionGroup> groups;
    std::vector<int> missingOrder;

    // A give-up on a form of this mood digit (group moodGroup) selects the "N/A" buttons,
    // whatever the code holds there. notApplicableMood 0: no such case.
    char notApplicableMood;
    int moodGroup;

    const char* parseCaption;    // the mode label in parse mode
    const char* inflectCaption;  // the mode label while a form is typed
    std::uint32_t inflectColour; // background of the typed-answer panel, 0xRRGGBB

    const char* summaryFormsEnd; // end of the summary's first line

    // The labels that show the right typed form, hidden when an item closes.
    std::vector<const char*> correctFormLabels;

    // Menus.
    const char* drillMenuName;
    const char* aboutCaption;
    bool separatorBeforeHelp;

    // The typed-answer panel: the label that opens the prompt, the closing caption, the label of
    // the word asked and the labels of the parsing's words from top to bottom.
    const char* inflectPromptLabel;
    const char* inflectOfCaption;
    const char* inflectWordField;
    std::vector<InflectWordLabel> inflectWords;
    // Whether a form's other spelling (its code's last digit 1 or 2) is also right.
    bool variantForms;
    // The parse controls that the typed layout hides, in the order it hides them.
    std::vector<const char*> parseControls;
};

extern const DrillSettings VerbDrill;
extern const DrillSettings NounDrill;

// The button of a group that a digit of a code selects ("N/A" buttons are never selected so),
// or null.
const OptionButton* ButtonOfDigit(const OptionGroup& group, char digit);
// The group in the frame of that name.
const OptionGroup& GroupInFrame(const DrillSettings& drill, const char* frame);
