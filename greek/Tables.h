#pragma once

#include <array>

// The code tables of the three Greek encodings. Everything the converters know about the
// encodings is here; the converters derive their lookup tables from these at compile time.
// The Beta letters themselves and their display letters are in BetaCode.h.

// The data-file font: every code with a meaning and the Beta text it stands for. Codes not
// listed have no meaning and are dropped.
struct DataFontCode {
    unsigned char code;
    const char* beta;
};

inline constexpr std::array<DataFontCode, 93> DataFontCodes{{
    {13, " \r"},   {32, " "},    {34, "s"},   {39, "="},    {40, "["},    {41, "]"},
    {44, ","},     {46, "."},    {47, "|"},   {48, "0"},    {49, "1"},    {50, "2"},
    {51, "3"},     {52, "4"},    {53, "5"},   {54, "6"},    {55, "7"},    {56, "8"},
    {57, "9"},     {58, ":"},    {59, "\\"},  {62, "+"},    {63, "/+"},   {65, "*a"},
    {66, "*b"},    {67, "*x"},   {68, "*d"},  {69, "*e"},   {70, "*f"},   {71, "*g"},
    {72, "*h"},    {73, "*i"},   {74, "("},   {75, "*k"},   {76, "*l"},   {77, "*m"},
    {78, "*n"},    {79, "*o"},   {80, "*p"},  {81, "*q"},   {82, "*r"},   {83, "*s"},
    {84, "*t"},    {85, "*u"},   {87, "*w"},  {88, "*c"},   {89, "*y"},   {90, "*z"},
    {91, ")/"},    {92, ")="},   {93, ")\\"}, {97, "a"},    {98, "b"},    {99, "x"},
    {100, "d"},    {101, "e"},   {102, "f"},  {103, "g"},   {104, "h"},   {105, "i"},
    {106, ")"},    {107, "k"},   {108, "l"},  {109, "m"},   {110, "n"},   {111, "o"},
    {112, "p"},    {113, "q"},   {114, "r"},  {115, "s"},   {116, "t"},   {117, "u"},
    {118, "/"},    {119, "w"},   {120, "c"},  {121, "y"},   {122, "z"},   {123, "(/"},
    {124, "(="},   {125, "(\\"}, {174, "\""}, {190, "'"},   {192, "=+"},  {198, "*)"},
    {199, "*)="},  {200, "*(="}, {201, "?"},  {210, "*)/"}, {211, "*(/"}, {212, "*)\\"},
    {213, "*(\\"}, {214, "\\+"}, {239, "*("},
}};

// Sigma has two codes: this one ends a word.
inline constexpr unsigned char DataFontFinalSigma = 34;

// Marks of a vowel, as bits.
enum VowelMark : unsigned {
    Smooth = 1,
    Rough = 2,
    Acute = 4,
    Grave = 8,
    Circumflex = 16,
    Diaeresis = 32,
    IotaSub = 64,
};
inline constexpr unsigned VowelMarkCombinations = 128;

// The Beta character of each vowel mark, in canonical order.
struct VowelMarkChar {
    unsigned mark;
    char beta;
};
inline constexpr std::array<VowelMarkChar, 7> VowelMarkChars{{
    {Smooth, ')'},
    {Rough, '('},
    {Acute, '/'},
    {Grave, '\\'},
    {Circumflex, '='},
    {Diaeresis, '+'},
    {IotaSub, '|'},
}};

// The display-font vowel grid: for each combination of marks, the code of each vowel with those
// marks (0 where the font has no such character). The last column is rho, which has only the
// rough breathing. A vowel without marks is its display letter.
inline constexpr char GridVowels[] = "aehiouwr";
inline constexpr int GridColumns = 8;

struct VowelGridRow {
    unsigned marks;
    std::array<unsigned char, GridColumns> codes; // a e h i o u w r
};

inline constexpr std::array<VowelGridRow, 26> VowelGrid{{
    {Acute, {139, 161, 174, 219, 241, 230, 197, 0}},
    {Grave, {140, 162, 175, 220, 242, 231, 198, 0}},
    {Circumflex, {141, 0, 176, 221, 0, 232, 199, 0}},
    {Smooth, {142, 164, 177, 222, 244, 233, 200, 0}},
    {Rough, {143, 165, 178, 223, 245, 234, 201, 61}},
    {Smooth | Acute, {144, 166, 179, 224, 246, 235, 202, 0}},
    {Rough | Acute, {145, 167, 180, 225, 247, 236, 203, 0}},
    {Smooth | Grave, {146, 168, 181, 226, 248, 237, 204, 0}},
    {Rough | Grave, {147, 169, 182, 227, 249, 238, 205, 0}},
    {Smooth | Circumflex, {148, 0, 183, 228, 0, 239, 206, 0}},
    {Rough | Circumflex, {149, 0, 184, 229, 0, 240, 207, 0}},
    {IotaSub, {38, 0, 250, 0, 0, 0, 196, 0}},
    {Acute | IotaSub, {150, 0, 185, 0, 0, 0, 208, 0}},
    {Grave | IotaSub, {151, 0, 186, 0, 0, 0, 209, 0}},
    {Circumflex | IotaSub, {152, 0, 187, 0, 0, 0, 210, 0}},
    {Smooth | IotaSub, {153, 0, 188, 0, 0, 0, 211, 0}},
    {Rough | IotaSub, {154, 0, 189, 0, 0, 0, 212, 0}},
    {Smooth | Acute | IotaSub, {155, 0, 190, 0, 0, 0, 213, 0}},
    {Rough | Acute | IotaSub, {156, 0, 191, 0, 0, 0, 214, 0}},
    {Smooth | Grave | IotaSub, {157, 0, 192, 0, 0, 0, 215, 0}},
    {Rough | Grave | IotaSub, {158, 0, 193, 0, 0, 0, 216, 0}},
    {Smooth | Circumflex | IotaSub, {159, 0, 194, 0, 0, 0, 217, 0}},
    {Rough | Circumflex | IotaSub, {160, 0, 195, 0, 0, 0, 218, 0}},
    {Diaeresis, {0, 0, 0, 243, 0, 35, 0, 0}},
    {Acute | Diaeresis, {0, 0, 0, 253, 0, 64, 0, 0}},
    {Grave | Diaeresis, {0, 0, 0, 254, 0, 163, 0, 0}},
}};

// The breathing glyph written before a capital: [smooth, rough][alone, acute, grave, circumflex].
inline constexpr unsigned char CapitalBreathingGlyphs[2][4] = {
    {131, 133, 135, 137},
    {132, 134, 136, 138},
};

// The breathings and accents of a capital, in the order of the glyph table's rows and columns.
inline constexpr char CapitalBreathings[2] = {')', '('};
inline constexpr char CapitalAccents[3] = {'/', '\\', '='};

// Lone accents of the display font, in the order of CapitalAccents.
inline constexpr unsigned char LoneAccentGlyphs[3] = {128, 129, 130};

// Punctuation of Beta code as the display font shows it.
struct PunctuationCode {
    char beta;
    char display;
};
inline constexpr std::array<PunctuationCode, 9> Punctuation{{
    {' ', ' '},
    {'[', '('},
    {']', ')'},
    {'.', '.'},
    {',', ','},
    {'?', ';'},
    {':', ':'},
    {'\'', '\''},
    {'"', '"'},
}};

// Punctuation that the way back from the display font turns into Beta code; every other
// punctuation code comes back as itself (the brackets as the breathing characters).
inline constexpr std::array<PunctuationCode, 2> DisplayPunctuationBack{{
    {':', ':'},
    {'?', ';'},
}};
