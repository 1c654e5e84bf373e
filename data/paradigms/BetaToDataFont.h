#pragma once

#include <string>

// Beta code to the data-file font encoding of the paradigm files: one character per letter, the
// marks of a small letter after it (a breathing and its accent as one character), a capital's
// marks before it as one character, sigma at the end of a word as the final-sigma character.
// Throws SourceError (SourceError.h) naming the first character that the encoding cannot hold.
std::string BetaToDataFont(const std::string& beta);
