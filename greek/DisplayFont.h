#pragma once

#include <string>
#include <string_view>

// The Greek display font: every display-font code stands for the one Unicode character its
// glyph shows. Codes without a Greek meaning stand for themselves. The mapping is one-to-one.

// The Unicode character shown for a display-font code.
char32_t DisplayCodeToUnicode(unsigned char code);

// The display-font code of a Unicode character, or -1 when no code shows it.
int UnicodeToDisplayCode(char32_t ch);

// Display-font text to the Unicode text that the font Ortholex shows, and back. A character
// that no display-font code shows comes back as '?'.
std::u32string DisplayFontToUnicode(std::string_view text);
std::string DisplayFontFromUnicode(std::u32string_view text);
