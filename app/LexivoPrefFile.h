#pragma once

#include <cstdint>
#include <string>

// A user's general preferences. A new record holds 0 and "" everywhere; the defaults are set by
// the main window's SetDefaultPrefs.
struct LexivoPrefFile {
    std::int16_t AccentsImportant = 0;
    std::string EnglishFont;
    std::string GreekFont;
    std::int16_t Iterations = 0;
    std::int16_t PercentActive = 0;
    std::int16_t Reinforcement = 0;
    std::int16_t Review = 0;
    std::int16_t VocabChaptEnd = 0;
    std::int16_t VocabChaptStart = 0;
    std::string VocabFileName;

    bool operator==(const LexivoPrefFile&) const = default;
};
