#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// The readable source of a vocabulary list: chapter lines and one line per word entry, Greek in
// Beta code. The format is described at the top of Athenaze.txt.

struct SourceMeaning {
    std::string text;
    std::string marker; // a construction marker code, "" for none
};

struct SourceWord {
    int line = 0; // where the entry stands in the source, for messages
    int chapter = 0;
    std::string headword;
    std::string secondForm;
    std::string marker; // the headword's construction marker code, "" for none
    std::vector<SourceMeaning> meanings;
};

// A fault in the source, with the source line it concerns.
class VocabSourceError : public std::runtime_error {
public:
    VocabSourceError(int line, const std::string& what) : std::runtime_error(what), line_(line) {}
    int line() const { return line_; }

private:
    int line_;
};

// A text in single quotes, as the messages about a source quote it.
inline std::string Quoted(std::string_view text) {
    return "'" + std::string(text) + "'";
}

// The drill window has six answer boxes, one per meaning of the word asked.
inline constexpr std::size_t MaxMeanings = 6;

// The construction marker codes a list may use (besides none).
bool IsMarkerCode(std::string_view code);

// Reads the source text; throws VocabSourceError at the first fault.
std::vector<SourceWord> ParseVocabSource(std::string_view text);
