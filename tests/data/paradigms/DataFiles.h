#pragma once

#include "greek/GreekStuff.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

// The paradigm files as the program reads them: whole lines of the built Data folder.

inline std::string DataFilePath(const std::string& name) {
    const char* build = std::getenv("LEXIVO_BUILD_DIR");
    return std::string(build ? build : ".") + "/Data/" + name;
}

inline std::string DataFileBytes(const std::string& name) {
    std::ifstream in(DataFilePath(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The lines of a file whose every line ends with CR LF (line 1, the count, is element 0).
inline std::vector<std::string> DataFileLines(const std::string& name) {
    const std::string bytes = DataFileBytes(name);
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const auto end = bytes.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << name << ": the last line does not end with CR LF";
            break;
        }
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// A data line of Verbs.lxd or Nouns.lxd: CODE "," FORM.
struct FormLine {
    std::string code;
    std::string beta; // the form, read from the data-file font
};

inline std::vector<FormLine> FormLines(const std::string& name) {
    const auto lines = DataFileLines(name);
    std::vector<FormLine> forms;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const auto comma = lines[i].find(',');
        if (comma == std::string::npos) {
            ADD_FAILURE() << name << " line " << i + 1 << " has no comma: " << lines[i];
            continue;
        }
        forms.push_back({lines[i].substr(0, comma), DataFontToBeta(lines[i].substr(comma + 1))});
    }
    return forms;
}
