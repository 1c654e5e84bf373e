#pragma once

#include "greek/BetaCode.h"

#include <array>
#include <string>

// The mark group of every 8-bit code: 0 for a character that is not a Beta mark.
inline constexpr std::array<unsigned char, 256> MarkGroups = [] {
    std::array<unsigned char, 256> groups{};
    for (const BetaMarkInfo& mark : BetaMarks)
        groups[static_cast<unsigned char>(mark.beta)] = static_cast<unsigned char>(mark.group);
    return groups;
}();

inline int MarkGroup(char c) {
    return MarkGroups[static_cast<unsigned char>(c)];
}

// SortBetaMarks on a text of the caller's, without a copy.
void SortBetaMarksInPlace(std::string& text);
