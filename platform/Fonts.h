#pragma once

#include <optional>
#include <string>
#include <vector>

// The screen fonts the program can use.

// Adds every font file (.ttf, .otf) of a folder to the program's fonts; a file added before in
// this run is not added again.
void AddFontFiles(const std::string& folder);

// The installed screen fonts, each name once, in the order the platform lists them.
std::vector<std::string> InstalledFonts();

// Test seam: while set, InstalledFonts gives this list instead of the platform's.
void SetInstalledFontsForTest(std::optional<std::vector<std::string>> fonts);
