#pragma once

#include <string>
#include <string_view>

// Checks one Greek word of a vocabulary source, written in Beta code as a student types it:
// small letters, a capital as '*' before the letter, marks in canonical order, a breathing on
// a word that starts with a vowel or rho, at most one accent within the last three syllables
// (a circumflex within the last two, never on epsilon or omicron), no grave accent, the
// diaeresis only on iota and upsilon, the iota subscript only under alpha, eta and omega.
// Returns "" for a sound word, else what is wrong, worded to follow the quoted word.
std::string BetaWordProblem(std::string_view word);
