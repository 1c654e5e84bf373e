#include "vocab/Markers.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace {

struct Marker {
    const char* code;
    const char* text;
};

// Index 0 is no marker: its code is the empty code of the answer slots and of judging.
constexpr std::array<Marker, MarkerItemCount> markers{{
    {"", "None"},
    {"Plu", "in Plural"},
    {"Acc", "+ Acc."},
    {"Gen", "+ Gen."},
    {"Dat", "+ Dat."},
    {"Ind", "+ Ind."},
    {"Sub", "+ Sub."},
    {"Opt", "+ Opt."},
    {"Inf", "+ Inf."},
    {"Part", "+ Part."},
}};

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

} // namespace

const char* MarkerItemText(int index) {
    return markers.at(std::size_t(index)).text;
}

std::string CaseCodeToText(const std::string& code) {
    for (const Marker& m : markers)
        if (code == m.code)
            return m.text;
    return "";
}

std::string CaseTextToCode(const std::string& text) {
    for (const Marker& m : markers)
        if (text == m.text)
            return m.code;
    return "";
}

std::string TransformCase(const std::string& inCase) {
    if (inCase == "None")
        return "";
    if (inCase == "Plu")
        return " (in Plural)";
    return " (+ " + inCase + ".)";
}

int SelectCaseIndex(std::string text) {
    if (!text.empty() && text.back() == '.')
        text.pop_back();
    if (text == "in Plural" || text == "plural" || text == "plu")
        return 1;
    for (int i = 2; i < MarkerItemCount; ++i) {
        const std::string code = markers[std::size_t(i)].code;
        if (text == "+ " + code || text == "+" + code || text == lowerCase(code))
            return i;
    }
    return 0;
}

int TypeAheadIndex(const std::string& typed) {
    static const std::array<std::pair<const char*, int>, 9> starts{{
        {"pl", 1},
        {"a", 2},
        {"g", 3},
        {"d", 4},
        {"ind", 5},
        {"s", 6},
        {"o", 7},
        {"inf", 8},
        {"pa", 9},
    }};
    const std::string text = lowerCase(typed);
    if (text == "p" || text == "i" || text == "in")
        return -1;
    for (const auto& [start, index] : starts)
        if (text == start)
            return index;
    return 0;
}
