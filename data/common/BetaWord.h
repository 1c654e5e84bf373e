#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Beta code as the sources of the Data folder are written: a small letter followed by its marks,
// a capital as '*', its marks, then the small letter.

bool IsBetaLetter(char c);
bool IsBetaMark(char c);

struct LetterMarks {
    char breathing = 0; // ')' or '('
    char accent = 0;    // '/', '\\' or '='
    bool diaeresis = false;
    bool iotaSubscript = false;

    bool any() const { return breathing || accent || diaeresis || iotaSubscript; }
};

// Reads the run of marks that starts at text[i]; i ends on the first character that is not a
// mark. False when one letter gets two marks of one kind (two breathings, two accents, ...).
bool ReadBetaMarks(std::string_view text, std::size_t& i, LetterMarks& marks);

struct BetaLetter {
    char letter = 0; // the small letter
    bool capital = false;
    LetterMarks marks;
};

// Splits one word into its letters; "" or what is wrong, worded to follow the quoted word.
std::string SplitBetaWord(std::string_view word, std::vector<BetaLetter>& letters);
