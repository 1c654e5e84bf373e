#pragma once

#include "ParadigmSource.h"

#include <string>
#include <vector>

// A line of a paradigm file: the full code (word number first) and the form in Beta code and in
// the data-file font.
struct DataLine {
    std::string code;
    std::string beta;
    std::string dataFont;
};

// The data lines of the word numbered `number` (1 to 99). Every form must come back unchanged
// from the data-file font through DataFontToBeta; SourceError with its source line otherwise.
std::vector<DataLine> WordLines(const SourceWord& word, int number);

// The codes of forms spelled alike, one group per spelling that two or more codes share, in the
// order of each group's first code; the codes of a group in file order.
std::vector<std::vector<std::string>> SpellingGroups(const std::vector<DataLine>& lines);

// File texts, every line ended by CR LF.
std::string ParadigmFileText(int count, const std::vector<DataLine>& lines);
std::string IndexFileText(const std::vector<std::vector<std::string>>& groups);
// One line per word: its number, its type digit and its first form in the data-file font.
std::string WordListText(const std::vector<SourceWord>& words);
