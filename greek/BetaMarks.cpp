#include "greek/GreekStuff.h"
#include "greek/MarkOrder.h"

#include <array>
#include <string_view>
#include <utility>

namespace {

constexpr int MarkGroupCount = 5;

// One pass per group, in group order: a mark of the group moves rightwards across the marks of
// other groups after it. Marks never cross a non-mark, so each run of marks is sorted on its own.
void SortRun(char* run, std::size_t length) {
    for (int group = 1; group <= MarkGroupCount; ++group) {
        for (std::size_t p = 0; p + 1 < length; ++p) {
            if (MarkGroup(run[p]) == group && MarkGroup(run[p + 1]) != group)
                std::swap(run[p], run[p + 1]);
        }
    }
}

std::string Without(const std::string& text, std::string_view removed) {
    std::array<bool, 256> drop{};
    for (char c : removed)
        drop[static_cast<unsigned char>(c)] = true;
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (!drop[static_cast<unsigned char>(c)])
            out += c;
    }
    return out;
}

} // namespace

void SortBetaMarksInPlace(std::string& text) {
    const std::size_t size = text.size();
    bool doubleStar = false;
    std::size_t i = 0;
    while (i < size) {
        if (MarkGroup(text[i]) == 0) {
            ++i;
            continue;
        }
        std::size_t end = i + 1;
        while (end < size && MarkGroup(text[end]) != 0)
            ++end;
        if (end - i > 1) {
            SortRun(&text[i], end - i);
            for (std::size_t k = i; k + 1 < end; ++k)
                doubleStar = doubleStar || (text[k] == '*' && text[k + 1] == '*');
        }
        i = end;
    }
    if (!doubleStar)
        return;
    std::size_t kept = 0;
    for (std::size_t k = 0; k < size; ++k) {
        if (text[k] == '*' && kept > 0 && text[kept - 1] == '*')
            continue;
        text[kept++] = text[k];
    }
    text.resize(kept);
}

std::string SortBetaMarks(const std::string& text) {
    std::string sorted = text;
    SortBetaMarksInPlace(sorted);
    return sorted;
}

std::string StripSpaces(const std::string& text) {
    return Without(text, " ");
}

std::string StripBetaMarks(const std::string& text) {
    return Without(text, "/\\=+|,.;*-()[]");
}

std::string StripAccents(const std::string& text) {
    return Without(text, "/\\=+");
}
