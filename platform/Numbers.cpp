#include "platform/Numbers.h"

#include "platform/RunError.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Scans the number at the start of text (blanks before it skipped); sets end to the position after
// it, or leaves it at 0 when the text has no number.
double scanNumber(std::string_view text, std::size_t& end) {
    end = 0;
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    std::string number;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        number += text[i++];
    bool digits = false;
    while (i < text.size() && isDigit(text[i])) {
        number += text[i++];
        digits = true;
    }
    if (i < text.size() && text[i] == '.') {
        number += text[i++];
        while (i < text.size() && isDigit(text[i])) {
            number += text[i++];
            digits = true;
        }
    }
    if (!digits)
        return 0.0;
    // An exponent counts only when at least one digit follows it.
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            exponent += text[j++];
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j]))
                exponent += text[j++];
            number += exponent;
            i = j;
        }
    }
    end = i;
    return std::strtod(number.c_str(), nullptr);
}

} // namespace

double LeadingNumber(std::string_view text) {
    std::size_t end = 0;
    return scanNumber(text, end);
}

double NumberFieldValue(std::string_view text) {
    std::size_t end = 0;
    const double value = scanNumber(text, end);
    if (end == 0)
        throw RunError(ErrNo::TypeMismatch, "Type mismatch");
    return value;
}

std::int16_t RoundToInt16(double value) {
    if (!std::isfinite(value))
        throw RunError(ErrNo::Overflow, "Overflow");
    const double rounded = std::nearbyint(value); // the default rounding mode is half to even
    if (rounded < -32768.0 || rounded > 32767.0)
        throw RunError(ErrNo::Overflow, "Overflow");
    return static_cast<std::int16_t>(rounded);
}

std::int16_t ClampToInt16(double value) {
    if (std::isnan(value))
        return 0;
    const double rounded = std::nearbyint(value);
    if (rounded > 32767.0)
        return 32767;
    if (rounded < -32768.0)
        return -32768;
    return static_cast<std::int16_t>(rounded);
}

std::string NumberText(double value) {
    if (value == 0.0)
        return " 0";
    // Whole numbers below 10^15 print as their digits, as %.15G gives them, only sooner.
    if (std::abs(value) < 1e15 && value == std::trunc(value)) {
        const std::string digits = std::to_string(static_cast<long long>(value));
        return value < 0 ? digits : " " + digits;
    }
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
    std::string text = buffer;
    return value < 0 ? text : " " + text;
}
