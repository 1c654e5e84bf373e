#pragma once

#include <initializer_list>
#include <string>

// 8-bit text written as codes: characters stand for themselves, numbers for their code.
struct Code {
    Code(char c) : value(static_cast<unsigned char>(c)) {}
    Code(int c) : value(c) {}
    int value;
};

inline std::string Codes(std::initializer_list<Code> codes) {
    std::string s;
    for (Code c : codes)
        s += static_cast<char>(c.value);
    return s;
}
