#pragma once

#include <string>
#include <string_view>

// Checks Greek written in Beta code for slips of the pen. A word must have:
// - Beta-code letters only, a capital as '*' before its letter, marks in the order breathing,
//   accent, diaeresis, iota subscript, and no mark twice on one letter;
// - a breathing on its first vowel or diphthong when it starts with one (rough on a starting
//   rho), and no other breathing;
// - marks of a diphthong on its second vowel; the diaeresis on iota or upsilon only, the iota
//   subscript under alpha, eta or omega only, accents on vowels only;
// - the acute or circumflex of its dictionary form (never a grave): on one of the last three
//   syllables, a circumflex on one of the last two and never on epsilon or omicron;
// - no accent against the length of the last syllable where that length is certain: no acute on
//   the third syllable from the end and no circumflex on the second before a long last one (but
//   -ews as in po/lews), no acute on a long next-to-last syllable before a short last one (but a
//   word ending in an enclitic such as ou)/te, w(/sper, ei)/qe).

enum class Accents {
    MayLack,  // unaccented words stand as they are (e)n, te, ou))
    Required, // every word has its one accent
};

// Returns "" for a sound word, else what is wrong, worded to follow the quoted word.
std::string GreekWordProblem(std::string_view word, Accents accents);

// The first faulty word of a text of words separated by blanks or commas.
struct GreekWordFault {
    std::string word;
    std::string problem; // "" when every word is sound
};
GreekWordFault FindGreekWordFault(std::string_view text, Accents accents);
