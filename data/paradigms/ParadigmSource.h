#pragma once

#include <istream>
#include <string>
#include <vector>

// One form read from a paradigm source: its code without the word's two-digit number, its
// spelling in Beta code and the source line it stands on.
struct SourceForm {
    std::string code;
    std::string beta;
    int line = 0;
};

// One verb, noun, pronoun or adjective: its forms in the order of the paradigm file, the first
// being the form the word is listed under.
struct SourceWord {
    std::string kind; // "verb", "noun", "pronoun" or "adjective"
    std::string headword;
    std::vector<SourceForm> forms;
};

// Read a source laid out like a grammar's tables (see the README beside the sources). Throws
// SourceError with the line of the first fault.
SourceWord ReadVerbSource(std::istream& in);
SourceWord ReadNounSource(std::istream& in);
