#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The paradigm files (Verbs.lxd, Nouns.lxd) and their index files (VerbIndex.lxd,
// NounIndex.lxd): a count line, then one record per line.

// The data lines of a file, every line after the count line, each without its line end (every
// trailing carriage return taken off). Throws RunError: FileNotFound when the file is missing,
// another number when it cannot be read, holds no data line or its count is beyond 16 bits.
std::vector<std::string> ReadDataLines(const std::string& path);

// The form of data line idx (from 1): the line's second comma-separated field, in the data-file
// font. A line without one, or an idx that names no loaded line, gives the empty form.
std::string FormOfLine(const std::vector<std::string>& lines, int idx);

// Whether code is a form code of the given length: that many digits and nothing else.
bool IsFormCode(std::string_view code, int length);

// The index of forms spelled alike: each line lists the codes that share one spelling.
class FormIndex {
public:
    void Load(std::vector<std::string> lines);
    // The other codes on the first line that lists code, in their order; empty fields skipped.
    std::vector<std::string> Partners(const std::string& code) const;

private:
    std::vector<std::string> lines_;
    std::unordered_map<std::string, std::size_t> lineOfCode_;
};
