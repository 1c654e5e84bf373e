#pragma once

#include <array>

// The Beta-code alphabet and its marks: the one table that the converters, the chart window and
// the help text agree on.

struct BetaLetterInfo {
    char beta;        // the Beta-code letter
    char display;     // the display-font code of the small letter (its capital is 32 below)
    const char* name; // the Greek letter's English name
};

inline constexpr std::array<BetaLetterInfo, 24> BetaLetters{{
    {'a', 'a', "alpha"},   {'b', 'b', "beta"},  {'g', 'g', "gamma"},   {'d', 'd', "delta"},
    {'e', 'e', "epsilon"}, {'z', 'z', "zeta"},  {'h', 'h', "eta"},     {'q', 'y', "theta"},
    {'i', 'i', "iota"},    {'k', 'k', "kappa"}, {'l', 'l', "lambda"},  {'m', 'm', "mu"},
    {'n', 'n', "nu"},      {'c', 'j', "xi"},    {'o', 'o', "omicron"}, {'p', 'p', "pi"},
    {'r', 'r', "rho"},     {'s', 's', "sigma"}, {'t', 't', "tau"},     {'u', 'u', "upsilon"},
    {'f', 'f', "phi"},     {'x', 'x', "chi"},   {'y', 'c', "psi"},     {'w', 'v', "omega"},
}};

struct BetaMarkInfo {
    char beta;           // the mark's character
    int group;           // 1 capital, 2 breathing, 3 accent, 4 diaeresis, 5 iota subscript
    const char* meaning; // what it stands for
};

// In canonical order: marks after a letter stand in ascending group order.
inline constexpr std::array<BetaMarkInfo, 8> BetaMarks{{
    {'*', 1, "capital"},
    {')', 2, "smooth breathing"},
    {'(', 2, "rough breathing"},
    {'/', 3, "acute"},
    {'\\', 3, "grave"},
    {'=', 3, "circumflex"},
    {'+', 4, "diaeresis"},
    {'|', 5, "iota subscript"},
}};

// Final sigma's display-font code.
inline constexpr char DisplayFinalSigma = 'w';
