#pragma once

#include <string>

// Guards against slips of the pen in a paradigm source: every word of a form needs one acute or
// circumflex on one of its last three syllables (a circumflex on one of the last two, never on
// epsilon or omicron, and neither accent against the length of the last syllable where that
// length is certain), and a breathing on its first vowel or diphthong when it begins with one,
// and nowhere else. Throws SourceError naming the fault.
void CheckGreekForm(const std::string& beta);
